#include "characters/PaperDollArt.h"

#include <array>

#include "engine/Colours.h"
#include "items/EquipSlots.h"

namespace varn {

namespace {

constexpr int32_t kNoBarePart = -1;

struct Offset {
    int16_t x;
    int16_t y;
};

// One slot's place on the doll: where each of its pictures goes (item art or bare part frame).
struct DressingStep {
    EquipSlot slot;
    int32_t barePart;
    std::array<Offset, 2> at;
};

// Dressing order: what is worn under comes first.
constexpr DressingStep kDressing[] = {
    {EquipSlot::Pants, kBareLegsSlot, {{{64, 190}, {0, 0}}}},
    {EquipSlot::Shoes, kBareFeetSlot, {{{0, 320}, {128, 320}}}},
    {EquipSlot::Armor, kBareTorsoSlot, {{{0, 96}, {0, 0}}}},
    {EquipSlot::Belt, kNoBarePart, {{{64, 200}, {0, 0}}}},
    {EquipSlot::Gloves, kBareHandsSlot, {{{16, 200}, {208, 200}}}},
    {EquipSlot::Helmet, kBareHeadSlot, {{{64, 0}, {0, 0}}}},
    {EquipSlot::Amulet1, kNoBarePart, {{{64, 104}, {0, 0}}}},
    {EquipSlot::Amulet2, kNoBarePart, {{{96, 112}, {0, 0}}}},
    {EquipSlot::Amulet3, kNoBarePart, {{{128, 104}, {0, 0}}}},
    {EquipSlot::Shield, kNoBarePart, {{{150, 150}, {0, 0}}}},
    {EquipSlot::Sword, kNoBarePart, {{{0, 130}, {0, 0}}}},
};

}  // namespace

void PaperDollArt::Init(GraphicsDevice* device) {
    bodies.Init(device, 1);
    bodies.SetAlphaTest(1);
    LoadPictures(bodies, kDollBodyPictures);
    bareParts.Init(device, static_cast<int32_t>(std::size(kDollBarePartPictures)));
    bareParts.SetAlphaTest(1);
    LoadPictures(bareParts, kDollBarePartPictures);
}

void PaperDollArt::Free() {
    bodies.Free();
    bareParts.Free();
}

void DollLayerSets::Init(GraphicsDevice* device) {
    for (size_t layer = 0; layer < sets_.size(); ++layer) {
        sets_[layer] = std::make_unique<SpriteSet>();
        sets_[layer]->Init(device, kDollLayerSlots[layer]);
        sets_[layer]->SetAlphaTest(1);
        layers.sets[layer] = sets_[layer].get();
    }
}

void DollLayerSets::Free() {
    for (std::unique_ptr<SpriteSet>& set : sets_) {
        DeleteSpriteSet(set);
    }
    layers.sets.fill(nullptr);
}

void DrawPaperDoll(PaperDollArt& art, const PaperDollLayers& layers, EquipmentCells equipment,
                   uint8_t bodyVariant, int32_t x, int32_t y, float scale) {
    art.bodies.Draw(0, BodyVariantOf(bodyVariant), x, y, kUntinted, scale, scale);
    for (const DressingStep& step : kDressing) {
        const EquipSlotFacts& facts = FactsOf(step.slot);
        const bool worn = KindOf(equipment[static_cast<size_t>(step.slot)]) == facts.kind;
        SpriteSet* layer = layers[facts.layer];
        for (int p = 0; p < facts.pictureCount; ++p) {
            const Offset& at = step.at[static_cast<size_t>(p)];
            const auto atX = x + static_cast<int32_t>(static_cast<float>(at.x) * scale);
            const auto atY = y + static_cast<int32_t>(static_cast<float>(at.y) * scale);
            if (worn && layer != nullptr) {
                layer->Draw(facts.pictures[static_cast<size_t>(p)].layerSlot, 0, atX, atY,
                            kUntinted, scale, scale);
            } else if (!worn && step.barePart != kNoBarePart) {
                art.bareParts.Draw(step.barePart, p, atX, atY, kUntinted, scale, scale);
            }
        }
    }
}

}  // namespace varn
