#pragma once

#include <cstdint>
#include <span>

#include "houses/HouseScreen.h"

namespace varn {

class GameState;

// The holding store of one house in the world: ten used flags and ten item indices.
struct HeldStore {
    std::span<uint8_t> flags;
    std::span<uint8_t> items;
};

// The store of the house a visit shows; empty spans for a village or town number out of range.
HeldStore StoreOf(GameState& world, HouseKind kind, uint8_t houseNumber);

// The visitor the world names is one of the player's characters, and a village or town has a
// number the world knows.
bool IsVisitValid(const GameState& world, HouseKind kind);

// The house's number and the visitor, from the world, before the pictures load.
void CopyVisitorIdentityIn(const GameState& world, HouseScreen& screen);
// The visitor's health, bag, item tables and armies.
void CopyVisitorIn(const GameState& world, HouseScreen& screen);
void CopyStoreIn(GameState& world, HouseScreen& screen);
// Everything the visit may have changed: the store, the quests, then the visitor.
void WriteVisitBack(const HouseScreen& screen, GameState& world);

}  // namespace varn
