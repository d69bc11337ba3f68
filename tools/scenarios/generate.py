#!/usr/bin/env python3
"""Writes the compiled battle scenario tables from tools/scenarios/battles.txt.

    tools/scenarios/generate.py            write src/battle/scenarios/*Rows.cpp
    tools/scenarios/generate.py --suggest  print a [formations] line for every battle lacking one

The enemy armies of the battles that battles.txt does not list in full are expanded from their
formation notes by the authoring rules stated in src/battle/scenarios/ScenarioTables.h. The same
input always gives the same output.
"""

import math
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SOURCE = ROOT / "tools/scenarios/battles.txt"
OUT_DIR = ROOT / "src/battle/scenarios"

COLUMNS, ROWS = 20, 15
CELL_SIZE = 80
# The side buttons' column on the screen (left, top, right, bottom) and the part of a cell a
# unit's figure covers (left, top, width, height): an enemy is not placed where its figure would
# start hidden under the buttons.
SIDE_BUTTONS = (700, 20, 800, 288)
FIGURE = (20, 8, 40, 58)
# What a battle's first view shows of the field: the screen down to the top of the bottom panel
# (its name bar), and a figure's whole drawn picture (left, top, width, height within its cell).
VIEW = (800, 492)
DRAWN_FIGURE = (8, 8, 58, 58)
ALLY_KINDS = {"Ally1": 0, "PalaceGuards": 1, "CastleGuards": 2}
# Strength of each enemy picture kind, weakest first: the dogs, the bandits and tribesmen, then
# the soldiers, the elite and the captains.
KIND_TIER = {4: 0, 0: 1, 1: 2, 2: 3, 5: 3, 6: 4, 3: 5, 7: 5, 8: 6, 9: 7, 10: 8}
# Unit names by ally picture kind, handed out in turn within a battle.
ALLY_NAMES = {
    0: ["Spearmen", "Bowmen", "Pikemen", "Yeomen", "Rangers", "Lancers", "Axemen", "Slingers",
        "Shieldmen", "Foresters", "Scouts", "Watchmen"],
    1: ["Palace Guard", "Royal Guard", "Kings Guard", "Palace Watch", "Gate Guard",
        "Throne Guard", "Hall Guard", "Crown Guard"],
    2: ["Castle Guard", "Wall Guard", "Keep Guard", "Tower Guard", "Castle Watch", "Gate Wardens",
        "Moat Guard", "Rampart Guard"],
}


def fail(message):
    sys.exit("generate.py: " + message)


def col(cell):
    return (cell - 1) % COLUMNS


def row(cell):
    return (cell - 1) // COLUMNS


def cell_at(c, r):
    return r * COLUMNS + c + 1


def facing_toward(cell, tx, ty):
    """Facing 0 up .. 7 up-left from a cell toward a point given in columns and rows."""
    dx, dy = tx - col(cell), ty - row(cell)
    if dx == 0 and dy == 0:
        return 0
    angle = math.degrees(math.atan2(dx, -dy)) % 360
    return int(math.floor(angle / 45 + 0.5)) % 8


def cells_text(text):
    return [int(x) for x in re.findall(r"\d+", text)]


# ---------------------------------------------------------------- reading

def read_sections():
    sections, name = {}, None
    for line in SOURCE.read_text().splitlines():
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("["):
            name = line.strip("[]")
            sections[name] = []
        elif name is None:
            fail("text before the first section")
        else:
            sections[name].append(line)
    return sections


def table_cells(line):
    return [part.strip() for part in line.strip().strip("|").split("|")]


def keyed_notes(lines):
    notes = {}
    for line in lines:
        key, _, value = line.partition(":")
        notes[int(key)] = value.split()
    return notes


def read_layouts(lines):
    layouts = {}
    for line in lines:
        number, commander, cells, facings = table_cells(line)
        cell, facing = cells_text(commander)
        layouts[int(number)] = (cell, facing, cells_text(cells), cells_text(facings))
    if sorted(layouts) != list(range(1, 24)):
        fail("layouts must be 1..23")
    return layouts


def read_sides(lines):
    sides = {}
    for line in lines:
        battle, t1, t2, t3, layout, camera, pictures = table_cells(line)
        x, y = cells_text(camera)
        sides[int(battle)] = dict(
            turns=(int(t1), int(t2), int(t3)), layout=int(layout),
            camera=None if "kept" in camera else (x, y),
            pictures=[] if pictures == "none" else
            [ALLY_KINDS[p.strip()] for p in pictures.split(",")])
    return sides


def read_condition(text):
    if text == "always":
        return ("Always", 0)
    if text == "defender found":
        return ("DefenderFound", 0)
    match = re.fullmatch(r"quest (\d+) state (2 or more|5 or more|not 0)", text)
    if not match:
        fail("unknown ally condition: " + text)
    kind = {"2 or more": "QuestAccepted", "5 or more": "QuestGoalMet",
            "not 0": "QuestNotLocked"}[match.group(2)]
    return (kind, int(match.group(1)))


def read_allies(lines):
    groups = {}
    for line in lines:
        battle, when, kind, values, allies = table_cells(line)
        shared = None if values == "per ally" else tuple(cells_text(values))
        entries = []
        for match in re.finditer(r"(\d+):(\d+)(?: \((\d+)/(\d+)\))?", allies):
            cell, men = int(match.group(1)), int(match.group(2))
            if match.group(3):
                attack, defence = int(match.group(3)), int(match.group(4))
            elif shared:
                attack, defence = shared
            else:
                fail(f"battle {battle}: ally {cell} without attack and defence")
            entries.append(dict(cell=cell, men=men, attack=attack, defence=defence))
        groups.setdefault(int(battle), []).append(
            dict(condition=read_condition(when), kind=ALLY_KINDS[kind], allies=entries))
    return groups


def read_enemy_summaries(lines):
    summaries = {}
    for line in lines:
        battle, count, placed, pictures, kinds, men, attack, defence = table_cells(line)
        kind_list = []
        for number, kind in re.findall(r"(\d+) x (\d+)", kinds):
            kind_list += [int(kind)] * int(number)
        span = lambda text: (cells_text(text) * 2)[:2]
        summaries[int(battle)] = dict(
            count=int(count), placed=int(placed), pictures=cells_text(pictures),
            kinds=kind_list, men=int(men), attack=span(attack), defence=span(defence))
        if len(kind_list) != int(placed):
            fail(f"battle {battle}: kinds do not add up to the armies placed")
    return summaries


def read_enemy_rows(lines):
    rows = []
    for line in lines:
        slot, cell, facing, kind, men, attack, defence = (int(v) for v in table_cells(line))
        rows.append(dict(slot=slot, cell=cell, facing=facing, kind=kind, men=men,
                         attack=attack, defence=defence))
    return rows


# ---------------------------------------------------------------- the player's side

def player_cells(layout):
    commander, _, army, _ = layout
    return [commander] + army


def place_allies(battle, groups, slot_notes):
    """Gives every ally its slot: the running order across groups, unless noted otherwise."""
    running = 0
    for group in groups:
        for ally in group["allies"]:
            ally["slot"] = running
            running += 1
    if battle in slot_notes:
        slots = [int(s) for s in slot_notes[battle]]
        allies = [a for g in groups for a in g["allies"]]
        if len(slots) != len(allies):
            fail(f"battle {battle}: one slot per ally")
        for ally, slot in zip(allies, slots):
            ally["slot"] = slot


def name_allies(battle, groups, nameless):
    allies = [(g["kind"], a) for g in groups for a in g["allies"]]
    unnamed = set()
    if battle in nameless:
        for word in nameless[battle]:
            if word == "all":
                unnamed |= set(range(len(allies)))
            elif word == "last":
                unnamed.add(len(allies) - 1)
            else:
                unnamed.add(int(word) - 1)
    for index, (kind, ally) in enumerate(allies):
        names = ALLY_NAMES[kind]
        ally["name"] = "" if index in unnamed else names[index % len(names)]


def face_allies(battle, groups, facing_notes, enemies):
    allies = [a for g in groups for a in g["allies"]]
    if battle in facing_notes:
        facings = [int(f) for f in facing_notes[battle]]
        if len(facings) != len(allies):
            fail(f"battle {battle}: one facing per ally")
        for ally, facing in zip(allies, facings):
            ally["facing"] = facing
        return
    for ally in allies:
        nearest = min(enemies, key=lambda e: ((col(e["cell"]) - col(ally["cell"])) ** 2 +
                                              (row(e["cell"]) - row(ally["cell"])) ** 2,
                                              e["slot"]))
        ally["facing"] = facing_toward(ally["cell"], col(nearest["cell"]), row(nearest["cell"]))


# ---------------------------------------------------------------- the enemy's side

def front_ranks(front, gap, line, army, blocked):
    """Yields the ranks of one front, nearest first, each a list of free cells from the centre."""
    cols = [col(c) for c in army]
    rows_ = [row(c) for c in army]
    centre_col = (min(cols) + max(cols)) // 2
    centre_row = (min(rows_) + max(rows_)) // 2
    depth = 0
    while True:
        if front == "east":
            fixed, vertical = max(cols) + gap + depth, True
        elif front == "west":
            fixed, vertical = min(cols) - gap - depth, True
        elif front == "south":
            fixed, vertical = max(rows_) + gap + depth, False
        elif front == "north":
            fixed, vertical = min(rows_) - gap - depth, False
        else:
            fail("unknown front " + front)
        limit = COLUMNS if vertical else ROWS
        if fixed < 0 or fixed >= limit:
            return
        along_limit = ROWS if vertical else COLUMNS
        centre = centre_row if vertical else centre_col
        offsets = [0]
        for k in range(1, along_limit):
            offsets += [k, -k]
        rank = []
        for offset in offsets:
            along = centre + offset
            if not 0 <= along < along_limit:
                continue
            cell = cell_at(fixed, along) if vertical else cell_at(along, fixed)
            if cell not in blocked:
                rank.append(cell)
            if len(rank) == line:
                break
        yield rank
        depth += 1


def formation_cells(battle, note, placed, army, blocked):
    if len(note) < 3:
        fail(f"battle {battle}: a formation needs fronts, gap and line")
    fronts = note[0].split("+")
    gap, line = int(note[1]), int(note[2])
    generators = [front_ranks(front, gap, line, army, blocked) for front in fronts]
    cells = []
    while len(cells) < placed and generators:
        for generator in list(generators):
            rank = next(generator, None)
            if rank is None:
                generators.remove(generator)
                continue
            cells += [c for c in rank if c not in cells][: placed - len(cells)]
            if len(cells) == placed:
                break
    if len(cells) < placed:
        fail(f"battle {battle}: the formation holds {len(cells)} of {placed} armies")
    return cells


def share_out(total, weights, low, high):
    """Integers within low..high in proportion to the weights, adding up to total exactly."""
    count = len(weights)
    if not low * count <= total <= high * count:
        fail(f"{total} men cannot be shared among {count} armies")
    fixed = [None] * count
    while True:
        free = [i for i in range(count) if fixed[i] is None]
        remaining = total - sum(v for v in fixed if v is not None)
        weight = sum(weights[i] for i in free)
        shares = {i: remaining * weights[i] / weight for i in free}
        clamped = {i: min(max(s, low), high) for i, s in shares.items()}
        out_of_range = [i for i in free if clamped[i] != shares[i]]
        if not out_of_range:
            break
        for i in out_of_range:
            fixed[i] = round(clamped[i])
    values = {i: math.floor(shares[i]) for i in free}
    left = remaining - sum(values.values())
    by_fraction = sorted(free, key=lambda i: (-(shares[i] - values[i]), i))
    for i in by_fraction[:left]:
        values[i] += 1
    return [fixed[i] if fixed[i] is not None else values[i] for i in range(count)]


def under_side_buttons(camera):
    """The cells whose unit would stand under the side buttons in the battle's first view."""
    left, top, right, bottom = SIDE_BUTTONS
    fx, fy, fw, fh = FIGURE
    cells = set()
    for cell in range(1, COLUMNS * ROWS + 1):
        x = col(cell) * CELL_SIZE - camera[0] + fx
        y = row(cell) * CELL_SIZE - camera[1] + fy
        if x < right and left < x + fw and y < bottom and top < y + fh:
            cells.add(cell)
    return cells


def seen_in_first_view(cell, camera):
    """Whether the whole figure of a unit on the cell shows in the battle's first view, clear of
    the side buttons and the bottom panel."""
    left, top, right, bottom = SIDE_BUTTONS
    fx, fy, fw, fh = DRAWN_FIGURE
    x = col(cell) * CELL_SIZE - camera[0] + fx
    y = row(cell) * CELL_SIZE - camera[1] + fy
    inside = 0 <= x and x + fw <= VIEW[0] and 0 <= y and y + fh <= VIEW[1]
    return inside and not (x < right and left < x + fw and y < bottom and top < y + fh)


def author_enemies(battle, summary, note, layout, ally_cells, empty_slots, camera):
    commander = layout[0]
    army = player_cells(layout)
    blocked = under_side_buttons(camera)
    for cell in army + ally_cells:
        for dc in (-1, 0, 1):
            for dr in (-1, 0, 1):
                c, r = col(cell) + dc, row(cell) + dr
                if 0 <= c < COLUMNS and 0 <= r < ROWS:
                    blocked.add(cell_at(c, r))
    placed = summary["placed"]
    cells = formation_cells(battle, note, placed, army, blocked)
    kinds = sorted(summary["kinds"], key=lambda k: (KIND_TIER[k], k))

    tiers = sorted({KIND_TIER[k] for k in kinds})
    seen, strength = {}, []
    for kind in kinds:
        members = kinds.count(kind)
        place = seen.get(kind, 0)
        seen[kind] = place + 1
        spread = 0.8 * place / (members - 1) if members > 1 else 0.0
        strength.append(tiers.index(KIND_TIER[kind]) + spread)
    top = max(strength) or 1.0
    strength = [s / top for s in strength]

    def scale(span, f):
        return span[0] + int(math.floor(f * (span[1] - span[0]) + 0.5))

    men = share_out(summary["men"], [0.6 + 1.6 * f for f in strength], 3, 160)
    tx, ty = col(commander), row(commander)
    enemies = [dict(cell=cell, kind=kind, men=m, attack=scale(summary["attack"], f),
                    defence=scale(summary["defence"], f), facing=facing_toward(cell, tx, ty))
               for cell, kind, m, f in zip(cells, kinds, men, strength)]

    def distance(enemy):
        return min((col(enemy["cell"]) - col(p)) ** 2 + (row(enemy["cell"]) - row(p)) ** 2
                   for p in army + ally_cells)

    enemies.sort(key=lambda e: (distance(e), e["cell"]))
    slots = [s for s in range(50) if s not in empty_slots][:placed]
    for enemy, slot in zip(enemies, slots):
        enemy["slot"] = slot
    return enemies


def suggest_formation(summary, layout):
    army = player_cells(layout)
    cols = [col(c) for c in army]
    rows_ = [row(c) for c in army]
    room = {"east": COLUMNS - 1 - max(cols), "west": min(cols),
            "south": ROWS - 1 - max(rows_), "north": min(rows_)}
    ranked = sorted(room, key=lambda f: (-room[f], f))
    fronts = ranked[:2] if summary["placed"] > 20 else ranked[:1]
    return f"{'+'.join(fronts)} 3 7"


# ---------------------------------------------------------------- checks

def check_battle(battle, layout, groups, enemies, summary):
    taken = {}
    for cell in player_cells(layout):
        taken[cell] = "the player's side"
    for group in groups:
        for ally in group["allies"]:
            if ally["cell"] in taken:
                fail(f"battle {battle}: ally cell {ally['cell']} is taken")
            taken[ally["cell"]] = "an ally"
    for enemy in enemies:
        if not 1 <= enemy["cell"] <= 300 or enemy["cell"] in taken:
            fail(f"battle {battle}: enemy cell {enemy['cell']} is taken or off the field")
        taken[enemy["cell"]] = "an enemy"
        if not 3 <= enemy["men"] <= 160:
            fail(f"battle {battle}: {enemy['men']} men")
    if sorted(e["kind"] for e in enemies) != sorted(summary["kinds"]):
        fail(f"battle {battle}: kinds differ")
    if sum(e["men"] for e in enemies) != summary["men"]:
        fail(f"battle {battle}: men total differs")
    for key in ("attack", "defence"):
        values = [e[key] for e in enemies]
        if [min(values), max(values)] != summary[key]:
            fail(f"battle {battle}: {key} range {min(values)}..{max(values)}")


# ---------------------------------------------------------------- writing

HEADER = """\
// Generated by tools/scenarios/generate.py from tools/scenarios/battles.txt: edit those and run
// the generator. The authoring rules of the rows are in ScenarioTables.h.
"""


def cpp_name(text):
    return f'Name("{text}")' if text else "GlyphString{}"


def write_player_side(path, layouts, sides, groups):
    out = [HEADER, '#include <algorithm>\n#include <string_view>\n',
           '#include "battle/scenarios/ScenarioChecks.h"\n#include "battle/scenarios/ScenarioTables.h"\n',
           "namespace varn {\n", "namespace {\n",
           "consteval GlyphString Name(std::string_view text) {",
           "    if (!CanEncodeGlyphs(text)) {",
           '        throw "an ally name has a letter without a glyph";',
           "    }",
           "    return EncodeGlyphs(text);",
           "}\n"]
    for battle in sorted(groups):
        names = []
        for index, group in enumerate(groups[battle]):
            name = f"kAllies{battle}" + (f"_{index + 1}" if len(groups[battle]) > 1 else "")
            names.append(name)
            out.append(f"constexpr AllyEntry {name}[] = {{")
            for a in group["allies"]:
                out.append(f"    {{{a['slot']}, {a['cell']}, {a['facing']}, {a['men']}, "
                           f"{a['attack']}, {a['defence']}, {cpp_name(a['name'])}}},")
            out.append("};")
        out.append(f"constexpr AllyGroup kGroups{battle}[] = {{")
        for name, group in zip(names, groups[battle]):
            condition, quest = group["condition"]
            out.append(f"    {{AllyCondition::{condition}, {quest}, {group['kind']}, {name}}},")
        out.append("};\n")
    out.append("constexpr PlayerSideRow kRows[] = {")
    for battle in sorted(sides):
        side = sides[battle]
        t1, t2, t3 = side["turns"]
        camera = side["camera"]
        cam = f"true, {camera[0]}, {camera[1]}" if camera else "false, 0, 0"
        pictures = sum(1 << k for k in side["pictures"])
        # These rows load their ally pictures only together with the allies.
        if battle == 66 or battle >= 90:
            pictures = 0
        group = f"kGroups{battle}" if battle in groups else "{}"
        out.append(f"    {{{battle}, {t1}, {t2}, {t3}, {side['layout']}, {cam}, {pictures}, "
                   f"{group}}},")
    out.append("};")
    out.append("static_assert(std::ranges::all_of(kRows, IsSoundPlayerRow));\n")
    out.append("}  // namespace\n")
    out.append("constexpr std::array<StartLayout, kStartLayoutCount> kStartLayouts = {{")
    for number in sorted(layouts):
        cell, facing, cells, facings = layouts[number]
        out.append(f"    {{{cell}, {facing}, {{{', '.join(map(str, cells))}}}, "
                   f"{{{', '.join(map(str, facings))}}}}},")
    out.append("}};")
    out.append("static_assert(std::ranges::all_of(kStartLayouts, IsSoundLayout));\n")
    out.append("std::span<const PlayerSideRow> PlayerSideRows() {\n    return kRows;\n}\n")
    out.append("}  // namespace varn")
    path.write_text("\n".join(out) + "\n")


def write_enemy_side(path, summaries, enemies):
    out = [HEADER, '#include <algorithm>\n',
           '#include "battle/scenarios/ScenarioChecks.h"\n#include "battle/scenarios/ScenarioTables.h"\n',
           "namespace varn {\n",
           "namespace {\n",
           "// Each army: slot, cell, facing, kind, men, attack, defence."]
    for battle in sorted(enemies):
        out.append(f"constexpr EnemyEntry kEnemies{battle}[] = {{")
        entries = [f"{{{e['slot']}, {e['cell']}, {e['facing']}, {e['kind']}, {e['men']}, "
                   f"{e['attack']}, {e['defence']}}}," for e in enemies[battle]]
        line = "   "
        for entry in entries:
            if len(line) + 1 + len(entry) > 100:
                out.append(line)
                line = "   "
            line += " " + entry
        out.append(line)
        out.append("};")
    out.append("\nconstexpr EnemySideRow kRows[] = {")
    for battle in sorted(summaries):
        summary = summaries[battle]
        pictures = sum(1 << k for k in summary["pictures"])
        out.append(f"    {{{battle}, {summary['count']}, {pictures}, kEnemies{battle}}},")
    out.append("};")
    out.append("static_assert(std::ranges::all_of(kRows, IsSoundEnemyRow));\n")
    out.append("}  // namespace\n")
    out.append("std::span<const EnemySideRow> EnemySideRows() {\n    return kRows;\n}\n")
    out.append("}  // namespace varn")
    path.write_text("\n".join(out) + "\n")


def main():
    sections = read_sections()
    layouts = read_layouts(sections["layouts"])
    sides = read_sides(sections["sides"])
    groups = read_allies(sections["allies"])
    summaries = read_enemy_summaries(sections["enemies"])
    formations = keyed_notes(sections.get("formations", []))
    empty_slots = {b: [int(s) for s in v] for b, v in
                   keyed_notes(sections.get("empty-slots", [])).items()}
    if sorted(sides) != sorted(summaries):
        fail("the two sides list different battles")

    if "--suggest" in sys.argv:
        for battle in sorted(summaries):
            if f"enemy-rows {battle}" not in sections and battle not in formations:
                layout = layouts[sides[battle]["layout"]]
                print(f"{battle}: {suggest_formation(summaries[battle], layout)}")
        return

    slot_notes = keyed_notes(sections.get("ally-slots", []))
    for battle, battle_groups in groups.items():
        place_allies(battle, battle_groups, slot_notes)
        name_allies(battle, battle_groups, keyed_notes(sections.get("nameless", [])))

    enemies = {}
    for battle in sorted(summaries):
        layout = layouts[sides[battle]["layout"]]
        battle_groups = groups.get(battle, [])
        ally_cells = [a["cell"] for g in battle_groups for a in g["allies"]]
        given = sections.get(f"enemy-rows {battle}")
        if given:
            enemies[battle] = read_enemy_rows(given)
        elif battle in formations:
            # A kept camera is the new battle screen's, at the field's corner.
            camera = sides[battle]["camera"] or (0, 0)
            enemies[battle] = author_enemies(battle, summaries[battle], formations[battle],
                                             layout, ally_cells, empty_slots.get(battle, []),
                                             camera)
        else:
            fail(f"battle {battle} has neither enemy rows nor a formation")
        check_battle(battle, layout, battle_groups, enemies[battle], summaries[battle])
        # A battle opens with its enemy in sight: the player need not search the field for it.
        if not any(seen_in_first_view(e["cell"], sides[battle]["camera"] or (0, 0))
                   for e in enemies[battle]):
            fail(f"battle {battle}: no enemy shows in the first view")
        face_allies(battle, battle_groups, keyed_notes(sections.get("ally-facings", [])),
                    enemies[battle])

    player_path = OUT_DIR / "PlayerSideRows.cpp"
    enemy_path = OUT_DIR / "EnemySideRows.cpp"
    write_player_side(player_path, layouts, sides, groups)
    write_enemy_side(enemy_path, summaries, enemies)
    subprocess.run(["clang-format", "-i", str(player_path), str(enemy_path)], check=True)


if __name__ == "__main__":
    main()
