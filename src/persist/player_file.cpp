// The profile file: 1858 little-endian integers, then the trimmed name as its length and one
// byte per character. Written whole through a temporary file; a file that ends early or
// holds an impossible name length is a failed load and is kept aside as "<file>.bad".
#include <algorithm>

#include "game/globals.h"
#include "persist/player.h"
#include "persist/safe_write.h"
#include "persist/save_notice.h"

namespace {

constexpr int NAME_LIMIT = 255;  // longer stored names mark a damaged file

int goalKinds(int maxItemsToDestroy) { return std::clamp(maxItemsToDestroy, 0, 5); }

}  // namespace

void TSpieler::writeProfile(const Stream& s) {
    for (int value : {StoryPage, StoryLevel, StoryPoints, isStoryFinished, Level})
        writeInt(s, value);
    for (int value : {resumeRemoveLineIsUnlocked, resumeRemoveSameItemsIsUnlocked, resumeReplaceAllItemsIsUnlocked,
                      resumeThrowExplosiveIsUnlocked, resumeRemoveLineIsFirstTime, resumeRemoveSameItemsIsFirstTime,
                      resumeReplaceAllItemsIsFirstTime, resumeThrowExplosiveIsFirstTime})
        writeInt(s, value);
    for (int value : {isResume, resumePoints, resumeLevel, resumeTime, resumeGTGameType, isIntroDone, gtGameType,
                      time, isHelp, anzItems, anzMoss, anzKaefer, skipfill})
        writeInt(s, value);
    for (int i = 1; i < PLAYER_BOARD_SLOTS; ++i)
        for (int value : {resumeCellMoss[i], resumeCellStone[i], resumeCellDoor[i], resumeItemX[i], resumeItemY[i],
                          resumeItemA[i], resumeItemKaefCol[i]})
            writeInt(s, value);
    for (int k = 1; k <= goalKinds(maxItemsToDestroy); ++k) writeInt(s, resumeItemsDestroyed[k]);
    for (int k = 1; k <= 7; ++k) writeInt(s, pusoll[k]);
    String name = left(trim(Name), NAME_LIMIT);
    writeInt(s, int(name.size()));
    writeString(s, name);
}

void TSpieler::readProfile(const Stream& s) {
    for (int* field : {&StoryPage, &StoryLevel, &StoryPoints, &isStoryFinished, &Level})
        *field = readInt(s);
    for (int* field : {&resumeRemoveLineIsUnlocked, &resumeRemoveSameItemsIsUnlocked,
                       &resumeReplaceAllItemsIsUnlocked, &resumeThrowExplosiveIsUnlocked,
                       &resumeRemoveLineIsFirstTime, &resumeRemoveSameItemsIsFirstTime,
                       &resumeReplaceAllItemsIsFirstTime, &resumeThrowExplosiveIsFirstTime})
        *field = readInt(s);
    for (int* field : {&isResume, &resumePoints, &resumeLevel, &resumeTime, &resumeGTGameType, &isIntroDone,
                       &gtGameType, &time, &isHelp, &anzItems, &anzMoss, &anzKaefer, &skipfill})
        *field = readInt(s);
    for (int i = 1; i < PLAYER_BOARD_SLOTS; ++i)
        for (int* field : {&resumeCellMoss[i], &resumeCellStone[i], &resumeCellDoor[i], &resumeItemX[i],
                           &resumeItemY[i], &resumeItemA[i], &resumeItemKaefCol[i]})
            *field = readInt(s);
    for (int k = 1; k <= goalKinds(maxItemsToDestroy); ++k) resumeItemsDestroyed[k] = readInt(s);
    for (int k = 1; k <= 7; ++k) pusoll[k] = readInt(s);
    int n = readInt(s);
    if (n < 0 || n > NAME_LIMIT) throw StreamError{"profile: impossible name length"};
    Name = trim(readString(s, n));
}

int TSpieler::SaveToDisk() {
    if (!saveReplacing(url, [this](const Stream& stream) { writeProfile(stream); })) {
        diagLog(u"Profil nicht gespeichert: " + url);
        reportSaveFailure(url);
        return -1;
    }
    isAlreadySaved = 1;
    return 0;
}

// Reads into a copy, so a damaged file leaves no half-read profile behind.
int TSpieler::LoadFromDisk() {
    Stream stream = readFile(url);
    if (!stream) return -1;
    TSpieler loaded = *this;
    try {
        loaded.readProfile(stream);
        closeStream(stream);
    } catch (const StreamError&) {
        closeStream(stream);
        diagLog(u"Profil beschaedigt, beiseitegelegt: " + url);
        replaceFile(url, url + u".bad");
        Erase();
        return -1;
    }
    *this = loaded;
    copyBoardToScene();
    for (int k = 1; k <= 5; ++k) itemsDestroyed[k] = resumeItemsDestroyed[k];
    checkStoryPage();
    return 0;
}
