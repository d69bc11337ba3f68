#include "map/MapCaptions.h"

#include <algorithm>
#include <array>

#include "engine/Colours.h"
#include "map/MapScreen.h"

namespace varn {

namespace {

// Gold pile, bag, chest; armies 0..49 (id army + 6); places 56..82; armies 50..64 (army + 4000).
constexpr ObjectCaption kCaptions[] = {
    {3, "Pile of Gold", 250, 2.7f, 1.2f, 280, 225, 500, 32},
    {4, "Treasure Bag", 250, 3.0f, 1.2f, 280, 225, 500, 32},
    {5, "Treasure Chest", 250, 3.2f, 1.2f, 280, 225, 500, 32},
    {6, "Weaker bandits guarding a treasure chest.", 185, 6.7f, 1.1f, 200, 220, 500, 32},
    {7, "Quest: A strong enemy force guards the gold mine.", 110, 7.95f, 1.1f, 124, 220, 500, 32},
    {8, "Quest: Weak raiding party.", 220, 4.6f, 1.3f, 240, 230, 500, 32},
    {9, "Quest: Bandits guarding a hero.", 220, 6.2f, 1.3f, 270, 230, 500, 32},
    {10, "A strong army protecting a treasure chest.", 160, 6.8f, 1.1f, 178, 230, 500, 32},
    {11, "A weak band of wild wolves.", 220, 5.2f, 1.2f, 260, 230, 500, 32},
    {12, "A weaker group of bandits.", 220, 5.3f, 1.2f, 260, 230, 500, 32},
    {13, "Veteran Enemy", 220, 3.7f, 1.1f, 260, 227, 500, 32},
    {14, "A big group of weak bandits.", 220, 5.9f, 1.1f, 270, 227, 500, 32},
    {15, "Weak bandits.", 260, 3.4f, 1.1f, 300, 225, 500, 32},
    {16, "Quest: Veteran bandits are blocking the road.", 170, 7.3f, 1.1f, 190, 227, 500, 32},
    {17, "Quest: Strong veteran bandits are blocking trade.", 130, 7.9f, 1.1f, 150, 227, 500, 32},
    {18, "A very tough group of bandits.", 180, 6.9f, 1.1f, 250, 225, 500, 32},
    {19, "Stronger veteran bandits.", 180, 4.7f, 1.1f, 210, 225, 500, 32},
    {20, "Stronger and better armed bandits.", 180, 5.9f, 1.1f, 210, 225, 500, 32},
    {21, "Quest: Shoe thieves.", 180, 4.1f, 1.1f, 207, 225, 500, 32},
    {22, "Quest: Extremely strong, loud and rowdy group of bandits.", 20, 9.5f, 1.1f, 50, 225, 600,
     32},
    {23, "Very weak bandits.", 180, 4.1f, 1.1f, 217, 225, 500, 32},
    {24, "Quest: Very large army of Bandits guarding 500 gold.", 20, 9.1f, 1.1f, 50, 225, 600, 32},
    {25, "Quest: 7 evil brothers.", 120, 4.0f, 1.1f, 150, 225, 600, 32},
    {26, "Quest: Red Heads.", 120, 3.8f, 1.1f, 150, 225, 600, 32},
    {27, "Quest: Fierce but small enemy force.", 120, 6.5f, 1.1f, 150, 225, 600, 32},
    {28, "Quest: Temple thieves.", 120, 4.5f, 1.1f, 150, 225, 600, 32},
    {29, "Quest: Huge army of strong veteran bandits.", 120, 7.3f, 1.1f, 150, 225, 600, 32},
    {30, "Quest: Gang of 10.", 120, 3.8f, 1.1f, 150, 225, 600, 32},
    {31, "Quest: Red warriors holding a chest with a shield.", 90, 8.3f, 1.1f, 120, 225, 500, 32},
    {32, "Strong infantry guarding a treasure chest.", 90, 7.0f, 1.1f, 120, 225, 500, 32},
    {33, "Quest: Tough enemy force guarding their treasure.", 90, 8.3f, 1.1f, 120, 225, 500, 32},
    {34, "Quest: Elite enemy infantry guarding a chest with armor.", 40, 9.3f, 1.1f, 70, 225, 600,
     32},
    {35, "Quest: A powerful army guarding the iron mine.", 120, 7.8f, 1.1f, 140, 225, 500, 32},
    {36, "Quest: Large formation of the red face gang.", 40, 7.4f, 1.1f, 70, 225, 600, 32},
    {37, "An army of red heads.", 170, 4.4f, 1.1f, 200, 225, 600, 32},
    {38, "A small but tough army..", 170, 4.6f, 1.1f, 200, 225, 600, 32},
    {39, "Quest: Veteran army guarding 200 gold.", 90, 7.1f, 1.1f, 120, 225, 600, 32},
    {40, "Quest: Weak enemy force guarding a garden.", 140, 7.3f, 1.1f, 161, 225, 500, 32},
    {41, "Quest: Large Elite force guarding 600 gold..", 180, 7.2f, 1.1f, 201, 225, 500, 32},
    {42, "Quest: Enemy force guarding their treasure.", 180, 7.2f, 1.1f, 201, 225, 500, 32},
    {43, "Quest: Elite enemy force guarding their precious treasure.", 60, 9.1f, 1.1f, 80, 225, 600,
     32},
    {44, "Large and tough army of bandits.", 120, 5.7f, 1.1f, 145, 225, 600, 32},
    {45, "Stronger infantry army.", 130, 4.5f, 1.1f, 159, 225, 600, 32},
    {46, "Quest: Large veteran army enslaving all in their path.", 60, 8.5f, 1.1f, 80, 225, 600,
     32},
    {47, "Quest: A mammoth enemy camp of bloodthirsty bandits.", 60, 9.0f, 1.1f, 80, 225, 600, 32},
    {48, "Quest: Large and Violent army.", 160, 5.2f, 1.1f, 180, 225, 600, 32},
    {49, "Quest: lots of Rogues guarding 800 gold.", 160, 6.7f, 1.1f, 180, 225, 600, 32},
    {50, "Quest: Angry, tough, and merciless army guards treasure.", 50, 9.2f, 1.1f, 70, 225, 600,
     32},
    {51, "Quest: Lots of mean bandits with a Bag of gold.", 130, 7.7f, 1.1f, 150, 225, 500, 32},
    {52, "Quest: Large army of professional fighters.", 130, 7.1f, 1.1f, 150, 225, 500, 32},
    {53, "Quest: Greedy bandits.", 180, 4.0f, 1.1f, 200, 225, 500, 32},
    {54, "Brave and tough infantry.", 180, 5.0f, 1.1f, 214, 225, 500, 32},
    {55, "Quest: Enormous enemy camp.", 180, 5.3f, 1.1f, 200, 225, 500, 32},
    {56, "Kapusta Village", 210, 4.0f, 1.1f, 260, 220, 200, 30},
    {57, "Burak Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {58, "Iron Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {59, "Balon Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {60, "Trawa Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {61, "Usta Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {62, "Desert Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {63, "Mountain Village", 210, 4.0f, 1.1f, 255, 220, 200, 30},
    {64, "Cebula Town", 210, 4.0f, 1.1f, 280, 220, 200, 30},
    {65, "Rabarbar Town", 210, 4.0f, 1.1f, 260, 220, 200, 30},
    {66, "Ziemniak Town", 210, 4.0f, 1.1f, 265, 220, 200, 30},
    {67, "Moja Town", 210, 4.0f, 1.1f, 280, 220, 200, 30},
    {68, "Pajaca Palace", 210, 4.0f, 1.1f, 260, 220, 200, 30},
    {69, "Golden Temple", 210, 4.0f, 1.1f, 260, 220, 200, 30},
    {70, "Wawel Castle", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {71, "Wasteland Tower", 210, 4.0f, 1.1f, 254, 221, 200, 30},
    {72, "Little Village", 210, 4.0f, 1.1f, 274, 221, 200, 30},
    {73, "Evil Nuns Temple", 210, 4.0f, 1.1f, 252, 220, 200, 30},
    {74, "Kawa Tribe", 210, 4.0f, 1.1f, 282, 220, 200, 30},
    {75, "Olej Tribe", 210, 4.0f, 1.1f, 290, 220, 200, 30},
    {76, "Lato Tribe", 210, 4.0f, 1.1f, 280, 220, 200, 30},
    {77, "Janek Tribe", 210, 4.0f, 1.1f, 280, 220, 200, 30},
    {78, "Black Zima Castle", 210, 4.0f, 1.1f, 250, 220, 200, 30},
    {79, "Grubas Tribe", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {80, "Noga Tribe", 210, 4.0f, 1.1f, 282, 220, 200, 30},
    {81, "Gold Mine", 210, 4.0f, 1.1f, 282, 220, 200, 30},
    {82, "Iron Mine", 210, 4.0f, 1.1f, 282, 220, 200, 30},
    {4050, "Quest: Huge bandit camp is holding 400 gold!", 80, 7.6f, 1.1f, 101, 225, 600, 32},
    {4051, "Quest: Large and tough veteran force.", 80, 6.7f, 1.1f, 108, 225, 600, 32},
    {4052, "Quest: Huge enemy force is holding 800 gold!", 80, 7.6f, 1.1f, 101, 225, 600, 32},
    {4053, "Quest: A gigantic army guards 1000 gold!", 80, 7.0f, 1.1f, 101, 225, 600, 32},
    {4054, "Quest: Masked army of the desert.", 80, 5.9f, 1.1f, 101, 225, 600, 32},
    {4055, "Brave Infantry guarding their treasure...", 110, 7.0f, 1.1f, 150, 225, 600, 32},
    {4056, "Tough infantry.", 180, 4.0f, 1.1f, 230, 225, 500, 32},
    {4057, "Quest: Veteran desert army guarding a treasure chest.", 80, 8.6f, 1.1f, 101, 225, 600,
     32},
    {4058, "Brave and tough infantry.", 180, 5.0f, 1.1f, 214, 225, 500, 32},
    {4059, "Quest: Very strong guards.", 80, 4.9f, 1.1f, 101, 225, 600, 32},
    {4060, "Quest: Gigantic army of battle veterans.", 100, 6.7f, 1.1f, 121, 225, 600, 32},
    {4061, "Quest: Enemy Frontier troops.", 110, 5.6f, 1.1f, 141, 225, 600, 32},
    {4062, "Quest: A powerful enemy force is holding a hero captive.", 50, 8.9f, 1.1f, 71, 225, 600,
     32},
    {4063, "Red heads guarding someone.", 150, 5.6f, 1.1f, 178, 225, 600, 32},
    {4064, "Weak bandits.", 180, 3.6f, 1.1f, 228, 225, 600, 32},
};

}  // namespace

const ObjectCaption* FindObjectCaption(int32_t id) {
    const auto* found = std::find_if(std::begin(kCaptions), std::end(kCaptions),
                                     [id](const ObjectCaption& row) { return row.id == id; });
    return found == std::end(kCaptions) ? nullptr : found;
}

void MapScreen::DrawObjectCaption() {
    if (showCaption == 0) {
        return;
    }
    const ObjectCaption* caption = FindObjectCaption(hoverId);
    if (caption == nullptr) {
        return;
    }
    DrawBox(caption->boxX, kCaptionBoxY, caption->scaleX, caption->scaleY);
    if (font) {
        font->DrawText(caption->text, caption->textX, caption->textY, caption->textWidth,
                       caption->textHeight, kTextGrey, 0);
    }
}

}  // namespace varn
