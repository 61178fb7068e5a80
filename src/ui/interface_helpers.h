// Shared helpers of the interface: number and level formatting, centred multi-line text,
// the level background, the file check and the trace-line formatter. (The buttons and the
// tooltip come with the popup pictures they draw.)
#pragma once

#include "font/bitmap_font.h"
#include "platform/platform.h"

// "hh:mm:ss" with two digits each (more hour digits past 99 hours).
String timeText(int seconds);
// Chapter 1..10 of a level 1..100; -1 for any other level.
int chapterOfLevel(int level);
// Game 1..10 within its chapter.
int gameOfLevel(int level);
// "chapter N - game M" in the edition's words.
String levelName(int level);
// Draws a text centred on x, one line per "%n" part, each centred by its trimmed width.
void drawCentredLines(const String& text, TBitmapFont& font, float x, float y);
// Picture index of an item type: the type itself, 3 for type 0.
int itemPictureIndex(int type);
// The background picture of a level's chapter (chapter 1's for levels outside 1..80).
String g_getCurrentBG(int level);
// 1 when a file or folder exists at the path.
int fileCheck(const String& path);
// prefix + "(" + x + "|" + y + ")" for trace lines.
String tracePoint(const String& prefix, int x, int y);
String tracePoint(const String& prefix, float x, float y);
