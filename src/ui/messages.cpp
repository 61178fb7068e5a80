// The floating messages.
#include "ui/messages.h"

#include "font/game_fonts.h"
#include "game/globals.h"

vexaTMessageHandler messageHandler;

void showFloatingMessage(float x, float y, const String& text) { messageHandler.addMessage(text, x, y); }

namespace {
constexpr int MESSAGE_LIFE = 45;
constexpr int SCREEN_WIDTH = 1024;
}  // namespace

int vexaTMessageHandler::addMessage(const String& text, float x, float y) {
    diagLog(u"vexaTMessageHandler.addMessage: " + text);
    if (y <= 0) {
        diagLog(u"vexaTMessageHandler.addMessage: y <= 0, nicht angezeigt");
        return 0;
    }
    _listMessages.push_back(vexaTMessage{text, x, y, 1});
    return 0;
}

// The alpha is left as set for the last message drawn.
int vexaTMessageHandler::Update() {
    const float alpha = getAlpha();
    for (auto message = _listMessages.begin(); message != _listMessages.end();) {
        message->r += 1;
        message->y -= 1;
        setAlpha(cosDeg(float(message->r) * 4.0f) * alpha);
        float width = float(fontText.GetTxtWidth(message->text));
        if (message->x + width > SCREEN_WIDTH) message->x = SCREEN_WIDTH - width;
        fontText.DrawText(message->text, message->x, message->y, 1, 0);
        message = message->r >= MESSAGE_LIFE ? _listMessages.erase(message) : std::next(message);
    }
    return 0;
}
