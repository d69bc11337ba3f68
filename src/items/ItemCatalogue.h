#pragma once

// The item catalogue: constant rules keyed by the item id, and the operations the character
// and exchange screens call with their own tables and sprite sets.
#include "items/EquipSlots.h"
#include "items/ItemArt.h"
#include "items/ItemBonuses.h"
#include "items/ItemKinds.h"
#include "items/ItemLayout.h"
#include "items/ItemTexts.h"
#include "items/PaperDoll.h"

namespace varn {


}  // namespace varn
