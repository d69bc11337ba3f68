#pragma once

// Every state of the game, one line each. X(Name) stands for the state function
// GameApp::RunNameState and its entry NameStateThunk; adding a state is a line here and its
// run function in the folder of its screen.
#define VARN_STATES(X) \
    X(MainMenu)        \
    X(Map)             \
    X(NewGameSlot)     \
    X(LoadSlots)       \
    X(NameEntry)       \
    X(Portrait)        \
    X(Story)           \
    X(SaveGame)        \
    X(LoadGame)        \
    X(SaveQuit)        \
    X(RecordScore)     \
    X(HallOfFame)      \
    X(Information)     \
    X(Credits)         \
    X(Options)         \
    X(QuestLog)        \
    X(Battle)          \
    X(You)             \
    X(Heroes)          \
    X(Wealth)          \
    X(Rename)          \
    X(Village)         \
    X(Town)            \
    X(Castle)          \
    X(Palace)          \
    X(Temple)          \
    X(Tower)           \
    X(Meeting)         \
    X(ArmyTrade)
