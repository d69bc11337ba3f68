#pragma once

#include <cstddef>
#include <cstdint>

#include "app/StepTimerSlots.h"
#include "world/CharacterRecords.h"

namespace varn {

class GameApp;
class MapScreen;
class MapView;

// The steps of the kingdom map's frame, in the files of their jobs. Each works on the map's
// objects of the GameApp, which exist from the entry's creation step on.

// MapStateEntry.cpp: creation of the map's objects with the copy from the world, the snapshot
// taken back, the leave step with the copy back.
void CreateMapObjects(GameApp& app);
void LeaveMap(GameApp& app);
// The panel's portrait, the quests and a fresh map view, as at the first entry and after a load.
void CreateMapView(GameApp& app);

// MapInput.cpp: keys, scrolling, the mouse on the map, the panel and the bottom bar, the step
// timers, the path and the walk with its arrival, up to the enemy phase.
void RunMapInput(GameApp& app);
// The view centred on a world position less an offset, within the centring limits.
void CentreView(MapView& view, int32_t x, int32_t y, int32_t offsetX, int32_t offsetY);
// What Enter and a right click do: start a walk, close the boxes in turn.
void ConfirmOnMap(GameApp& app);

// MapHandOffs.cpp: after the enemy phase, the trade, battle, found-item, caption, bag and house
// steps; after the animations the caption rules.
void RunMapHandOffs(GameApp& app);
void HoldCaptionAfterAnimations(GameApp& app);

// The map's switch to the meeting of the pair meetFirst and meetSecond, which the leave step
// hands to the world; after the animations the switch is taken back, and the map runs on
// without an entry, when either partner has no moves left.
void StartMeetingFromMap(GameApp& app);
void RefuseMeetingWithoutMoves(GameApp& app);

// DayCycle.cpp: the end of a day, in the frame the end-of-day button is released.
void EndDay(GameApp& app);

// EnemyPhase.cpp: the enemy phase's steps, the invaders' settlement and the battle an invader
// starts; the recovery once the phase is over.
void RunEnemyPhase(GameApp& app);
void RunRecovery(GameApp& app);

// MapStateDraw.cpp: the map in its order, then the pointer after the state clock.
void DrawMap(GameApp& app);
void DrawMapPointer(GameApp& app);

}  // namespace varn
