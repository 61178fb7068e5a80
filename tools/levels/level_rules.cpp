// The level rules, one check each; checkLevel applies them in turn.
#include "level_rules.h"

#include <algorithm>
#include <utility>

#include "common/board_frame.h"

namespace levels {

namespace {

bool isCell(const LevelSource& level, int row, int column) {
    return row >= 1 && row <= kRows && column >= 1 && column <= kColumns &&
           level.map[size_t(row - 1)][size_t(column - 1)] != kEmpty;
}

char at(const LevelSource& level, int row, int column) {
    return level.map[size_t(row - 1)][size_t(column - 1)];
}

// The game places no cell in file row 1 or file column 1. Row 2 would build cells,
// but the pre-rendered board picture starts 22 pixels below its top edge, so its cells
// would lose their frame under the top bar: boards use rows 3 to 13 (11 rows).
void checkEdges(const LevelSource& level) {
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            if (!isCell(level, row, column)) {
                continue;
            }
            if (row == 1 || column == 1) {
                throw LevelError(atPosition(level, row, column,
                                            "file row 1 and file column 1 never hold a cell"));
            }
            if (row == 2) {
                throw LevelError(atPosition(level, row, column,
                                            "boards start at file row 3; row 2 is cut off under "
                                            "the top bar"));
            }
        }
    }
}

// A gap in a column would get a brake that keeps refills from the cells below it,
// and the column picture shows one strip per column.
void checkColumn(const LevelSource& level, int column) {
    int cells = 0;
    bool ended = false;
    for (int row = 1; row <= kRows; ++row) {
        if (!isCell(level, row, column)) {
            ended = ended || cells > 0;
            continue;
        }
        if (ended) {
            throw LevelError(atPosition(level, row, column,
                                        "the cells of a column must form one unbroken run "
                                        "(refills stop at the brake in the gap above this cell)"));
        }
        if (++cells > kMaxColumnCells) {
            throw LevelError(atPosition(level, row, column, "more than 11 cells in this column"));
        }
    }
}

// Cells and the brake under each column share 150 item slots with the falling refills.
void checkItemSlots(const LevelSource& level) {
    int cells = 0;
    int brakes = 0;
    for (int column = 1; column <= kColumns; ++column) {
        int inColumn = 0;
        for (int row = 1; row <= kRows; ++row) {
            inColumn += isCell(level, row, column) ? 1 : 0;
        }
        cells += inColumn;
        brakes += inColumn > 0 ? 1 : 0;
    }
    if (cells == 0) {
        throw LevelError(level.file + ": the board has no cells");
    }
    if (cells + brakes > kItemSlotBudget) {
        throw LevelError(level.file + ": " + std::to_string(cells) + " cells plus " +
                         std::to_string(brakes) + " brakes need more than 140 item slots");
    }
}

// Stone blocks come with their help page on level 4, door blocks with chapter 3.
void checkObstacleLevels(const LevelSource& level) {
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            if (at(level, row, column) == kStone && level.number < kFirstStoneLevel) {
                throw LevelError(atPosition(level, row, column, "stone blocks start on level 4"));
            }
            if (at(level, row, column) == kDoor && level.number < kFirstDoorLevel) {
                throw LevelError(atPosition(level, row, column, "door blocks start on level 21"));
            }
        }
    }
}

bool isBlock(char character) {
    return character == kStone || character == kDoor;
}

// The board build makes the blocks from the top down and frees every item below a new block in
// its column; a lower block cell still holds its gem then, so it is freed and never becomes a block.
void checkOneBlockPerColumn(const LevelSource& level, int column) {
    int upper = 0;
    for (int row = 1; row <= kRows; ++row) {
        if (!isBlock(at(level, row, column))) {
            continue;
        }
        if (upper != 0) {
            throw LevelError(atPosition(level, row, column,
                                        "this block lies below the block in row " +
                                            std::to_string(upper) +
                                            " and would be lost when the board is built (the "
                                            "block above frees every item below it)"));
        }
        upper = row;
    }
}

// Cells in an unbroken line through (row, column) along the step (dr, dc), itself included.
int lineLength(const LevelSource& level, int row, int column, int dr, int dc) {
    int length = 1;
    for (int r = row + dr, c = column + dc; isCell(level, r, c); r += dr, c += dc) {
        ++length;
    }
    for (int r = row - dr, c = column - dc; isCell(level, r, c); r -= dr, c -= dc) {
        ++length;
    }
    return length;
}

bool isOpen(const LevelSource& level, int row, int column) {
    return isCell(level, row, column) && !isBlock(at(level, row, column));
}

// Lines of three cells without a block along the step (dr, dc) that hold the position (0 to 3).
int openLinesThrough(const LevelSource& level, int row, int column, int dr, int dc) {
    int lines = 0;
    for (int first = -2; first <= 0; ++first) {
        bool open = true;
        for (int step = first; step < first + 3; ++step) {
            open = open && isOpen(level, row + step * dr, column + step * dc);
        }
        lines += open ? 1 : 0;
    }
    return lines;
}

int openLinesThrough(const LevelSource& level, int row, int column) {
    return openLinesThrough(level, row, column, 0, 1) + openLinesThrough(level, row, column, 1, 0);
}

// Moss dies only under a matched item, so every moss cell needs room for rows of three. Moss
// that rows of one direction alone can reach waits for one pattern of gems: in a tower two
// cells wide only three of a colour down its column clear it, and the tower's gems change
// only when the player matches inside it; a level can hang on such a cell for minutes. So a
// line across and a line down, with no block in them, must pass through every moss cell.
void checkMossReachable(const LevelSource& level) {
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            if (at(level, row, column) != kMoss) {
                continue;
            }
            if (lineLength(level, row, column, 0, 1) < 3 && lineLength(level, row, column, 1, 0) < 3) {
                throw LevelError(atPosition(level, row, column,
                                            "no row of three can ever cover this moss cell"));
            }
            if (openLinesThrough(level, row, column, 0, 1) == 0 ||
                openLinesThrough(level, row, column, 1, 0) == 0) {
                throw LevelError(atPosition(level, row, column,
                                            "rows of one direction alone cover this moss cell; it "
                                            "needs a line of three across and one down, without "
                                            "a block"));
            }
        }
    }
}

// A block breaks beside a matched gem; two lines of three without a block must pass through
// the cells beside it, or it too waits for one pattern.
constexpr int kLinesBesideBlock = 2;

void checkBlocksReachable(const LevelSource& level) {
    constexpr std::array<std::pair<int, int>, 4> kSides{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            if (!isBlock(at(level, row, column))) {
                continue;
            }
            int lines = 0;
            for (const auto& [dr, dc] : kSides) {
                lines += isOpen(level, row + dr, column + dc) ? openLinesThrough(level, row + dr, column + dc) : 0;
            }
            if (lines < kLinesBesideBlock) {
                throw LevelError(atPosition(level, row, column,
                                            "fewer than two lines of three without a block pass "
                                            "beside this block"));
            }
        }
    }
}

using BlockGrid = std::array<std::array<bool, kColumns>, kRows>;

// A cell that refills reach: no block, and every block above it in its column breaks.
bool isFillable(const LevelSource& level, const BlockGrid& breakable, int row, int column) {
    if (!isCell(level, row, column) || isBlock(at(level, row, column))) {
        return false;
    }
    for (int above = row - 1; isCell(level, above, column); --above) {
        if (isBlock(at(level, above, column)) &&
            !breakable[size_t(above - 1)][size_t(column - 1)]) {
            return false;
        }
    }
    return true;
}

bool hasFillableNeighbour(const LevelSource& level, const BlockGrid& breakable, int row,
                          int column) {
    return isFillable(level, breakable, row - 1, column) ||
           isFillable(level, breakable, row + 1, column) ||
           isFillable(level, breakable, row, column - 1) ||
           isFillable(level, breakable, row, column + 1);
}

// A block breaks only beside a matched gem, and refills stop on the first block above
// them; blocks are marked breakable until nothing changes, and any left over is refused.
void checkBlocksBreakable(const LevelSource& level) {
    BlockGrid breakable{};
    for (bool changed = true; changed;) {
        changed = false;
        for (int row = 1; row <= kRows; ++row) {
            for (int column = 1; column <= kColumns; ++column) {
                bool& mark = breakable[size_t(row - 1)][size_t(column - 1)];
                if (!mark && isBlock(at(level, row, column)) &&
                    hasFillableNeighbour(level, breakable, row, column)) {
                    mark = true;
                    changed = true;
                }
            }
        }
    }
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            if (isBlock(at(level, row, column)) &&
                !breakable[size_t(row - 1)][size_t(column - 1)]) {
                throw LevelError(atPosition(level, row, column,
                                            "no gem can ever lie beside this block to break it"));
            }
        }
    }
}

bool hasMapCharacter(const LevelSource& level, char wanted) {
    return std::ranges::any_of(level.map, [wanted](const auto& line) {
        return std::ranges::find(line, wanted) != line.end();
    });
}

// Levels 1 and 4 open the help pages on moss and stone blocks, so they must show them.
void checkIntroductions(const LevelSource& level) {
    if (level.number == 1 && !hasMapCharacter(level, kMoss)) {
        throw LevelError(level.file + ": level 1 introduces moss and must hold some");
    }
    if (level.number == kFirstStoneLevel && !hasMapCharacter(level, kStone)) {
        throw LevelError(level.file + ": level 4 introduces stone blocks and must hold one");
    }
}

// Level 1 never produces colour 4; elsewhere colours 1 and 2 take turns, so each
// arrives at most half as often as the others and may not ask for more than they do.
void checkGoals(const LevelSource& level) {
    const auto& goals = level.goals;
    const std::string where = level.file + " goals: ";
    if (level.number == 1 && goals[3] != 0) {
        throw LevelError(where + "level 1 never produces colour 4, so its goal must be 0");
    }
    if (std::ranges::all_of(goals, [](int goal) { return goal == 0; }) &&
        !hasMapCharacter(level, kMoss)) {
        throw LevelError(where + "a level without moss needs at least one goal");
    }
    for (int alternating = 0; alternating < 2; ++alternating) {
        for (int other = 2; other < kColours; ++other) {
            const bool produced = !(level.number == 1 && other == 3);
            if (produced && goals[size_t(alternating)] > goals[size_t(other)]) {
                throw LevelError(where + "colour " + std::to_string(alternating + 1) +
                                 " asks for more than colour " + std::to_string(other + 1));
            }
        }
    }
}

// The border pieces are chosen by fixed neighbour rules that cannot frame every shape (single
// cells, runs one cell wide or high, cells touching only at a corner, staircases of one-cell
// steps); the frame is built as the game builds it and must match the board's outline.
void checkFrameCloses(const LevelSource& level) {
    std::vector<boardframe::RasterCell> cells;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            if (isCell(level, row, column)) cells.push_back({column, row});
        }
    }
    if (const auto fault = boardframe::findFrameFault(cells)) {
        throw LevelError(atPosition(level, fault->at.row, fault->at.column, fault->reason));
    }
}

}  // namespace

void checkLevel(const LevelSource& level) {
    for (int column = 1; column <= kColumns; ++column) {
        checkColumn(level, column);
    }
    checkEdges(level);
    checkItemSlots(level);
    checkObstacleLevels(level);
    for (int column = 1; column <= kColumns; ++column) {
        checkOneBlockPerColumn(level, column);
    }
    checkMossReachable(level);
    checkBlocksBreakable(level);
    checkBlocksReachable(level);
    checkIntroductions(level);
    checkGoals(level);
    checkFrameCloses(level);
}

}  // namespace levels
