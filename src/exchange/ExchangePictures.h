#pragma once

#include "app/PartyPictures.h"
#include "engine/PictureTable.h"
#include "world/CharacterRecords.h"

namespace varn {

// The plain box of an army slot, stretched to size.
inline constexpr int16_t kSlotBoxSize = 2;
inline constexpr PictureLoad kSlotBoxPicture = {0, "Art\\Heroes\\MeetSlot.bmp", 2, 2, 0};
inline constexpr int32_t kSlotBoxSlot = kSlotBoxPicture.slot;

// One letter sheet whose frame is the glyph code.
inline constexpr PictureLoad kNameLetterPictures[] = {
    {0, "Art\\Name\\Letters.bmp", 16, 32, kKeyBlack},
};

}  // namespace varn
