// Floating messages: short texts that appear at a point, drift upwards and fade out. The
// match-3 scene draws them once per frame; anyone may add one.
#pragma once

#include <list>

#include "platform/platform.h"

class vexaTMessage {
public:
    String text;
    float x = 0;  // left x of the text
    float y = 0;  // decreases by 1 per frame
    int r = 1;    // age in frames
};

class vexaTMessageHandler {
public:
    std::list<vexaTMessage> _listMessages;

    virtual ~vexaTMessageHandler() = default;
    // Ages, moves, fades and draws every message, and drops those 45 frames old.
    virtual int Update();
    // Adds a message at (x, y); nothing for y of 0 or less.
    virtual int addMessage(const String& text, float x, float y);
};

extern vexaTMessageHandler messageHandler;

// Shows a floating text at (x, y) that drifts up and fades (the shared floating-message shortcut).
void showFloatingMessage(float x, float y, const String& text);
