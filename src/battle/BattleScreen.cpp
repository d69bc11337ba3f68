#include "battle/BattleScreen.h"

#include "battle/HeroPortraits.h"

namespace varn {

namespace {

constexpr int32_t kJoiningHeroSlot = 50;
constexpr uint32_t kPictureFormat = 25;

}  // namespace

void BattleScreen::LoadHeroPortrait() {
    if (joiningHero < 1 || joiningHero > kHeroPortraits.size() || !mainSprites) {
        return;
    }
    const HeroPortrait& portrait = kHeroPortraits[joiningHero - 1];
    mainSprites->Load(kJoiningHeroSlot, portrait.path, kPortraitSize, kPortraitSize,
                      portrait.colourKey, kPictureFormat);
}

}  // namespace varn
