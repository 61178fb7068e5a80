// The player manager: the roster's profiles with their level and points, choosing the current
// one, adding a new one (at most seven) and deleting the current one through its question.
#pragma once

// The manager's body, drawn every frame while POPUP_MANAGER is open; called by the dispatcher.
void playerManager();
// The delete question's body, drawn every frame while POPUP_DELETEPLAYER is open.
void delplayer();
// The main menu, which lives above the dialogs, hands in what to do when the manager closes
// (it reloads its background). Until then closing the manager calls nothing.
void linkManagerClosed(void (*onClose)());
