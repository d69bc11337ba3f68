#pragma once

#include "houses/HouseScreen.h"

namespace varn {

class GameApp;
class GameState;

// The steps of one frame of a visit, in the order the frame runs them, on a screen that exists.
// Only these steps touch the world while the visit runs: gold, fame, the joined flags, healing
// and the army name handed to the rename state.
class VisitFrame {
  public:
    VisitFrame(GameApp& app, HouseScreen& screen);

    // The visit's first frame: pictures, quests, offers, the visitor and the store, the held
    // items returned and the armies' upkeep.
    void Create();
    void Keys();
    void Pointer();
    void Join();
    void Heal();
    void PayAndLatchFame();
    void Draw();
    // The frame the visit ends: the last quest progress, owed fame, the write-back.
    void Leave();

  private:
    void Press();
    void Release();
    void Act(uint8_t id);
    void Talk();
    void AcceptQuest();
    void HandOverArmyName();
    void CloseTalk();
    void CloseRecruitPanel();
    void CloseRaisedMessage();
    // Each latch at 1 changes the fame once and stays at 2.
    void ApplyFameLatches();
    uint8_t* JoinedFlag(uint8_t house) const;

    GameApp& app_;
    GameState& world_;
    HouseScreen& screen_;
};

}  // namespace varn
