#include "commands/CommandTable.h"
#include "commands/MenuLayout.h"
#include "lang/TextIds.h"
#include "widgets/Ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

void CollectIds(const std::vector<MenuEntry>& entries, std::multiset<int>& ids)
{
    for (const MenuEntry& entry : entries) {
        if (entry.id != kSeparator)
            ids.insert(entry.id);
        CollectIds(entry.items, ids);
    }
}

std::multiset<int> PlacedIds()
{
    std::multiset<int> ids;
    for (const MenuLayout& menu : MenuBarLayout())
        CollectIds(menu.items, ids);
    for (int tool : ToolBarLayout())
        if (tool != kSeparator)
            ids.insert(tool);
    return ids;
}

bool Enabled(int id, const CommandState& state)
{
    const Command* command = FindCommand(id);
    return command && CommandEnabled(*command, state);
}

}  // namespace

TEST(CommandTable, EveryPlacedIdHasOneEntryAndEveryEntryOnePlaceOrKey)
{
    const std::multiset<int> placed = PlacedIds();
    std::set<int> seen;
    for (const Command& command : Commands()) {
        EXPECT_TRUE(seen.insert(command.id).second) << "two entries for " << command.id;
        EXPECT_EQ(command.run == nullptr, command.kind == CommandKind::submenu) << command.id << " runs nothing";
        // A menu item that is also a tool shares its id between the two places.
        const std::size_t places = placed.count(command.id);
        if (command.tool.bitmap && command.text != 0) {
            EXPECT_EQ(places, 2u) << command.id;
        } else if (places == 0) {
            EXPECT_NE(command.key, nullptr) << command.id << " can be reached by nothing";
            EXPECT_EQ(command.text, 0) << command.id << " has a label but no menu item";
        } else {
            EXPECT_EQ(places, 1u) << command.id;
        }
    }
    for (int id : placed)
        EXPECT_NE(FindCommand(id), nullptr) << id;
    EXPECT_EQ(FindCommand(Id::FirstLanguage), nullptr);
}

TEST(CommandTable, NoTwoCommandsShareAKeyAndEveryToolHasATip)
{
    std::map<std::string, int> keys;
    for (const Command& command : Commands()) {
        if (command.key) {
            EXPECT_TRUE(keys.emplace(command.key, command.id).second)
                << command.key << " names " << keys[command.key] << " and " << command.id;
        }
        if (command.tool.bitmap) {
            EXPECT_NE(command.tool.tipAtCreation, 0) << command.id;
        }
    }
    // The keys a teacher learns from the menus stay where they were.
    EXPECT_EQ(keys.at("Q"), Id::CoverRightEyeOccluder);
    EXPECT_EQ(keys.at("P"), Id::CoverLeftEyeTranslucent);
    EXPECT_EQ(keys.at("Shift+U"), Id::RemovePrisms);
    EXPECT_EQ(keys.at("5"), Id::FirstGazePosition + 4);
    EXPECT_EQ(keys.at("H"), Id::HideValuesTool);
    EXPECT_EQ(keys.at("Esc"), Id::LeavePresentation);
}

TEST(CommandTable, LocksFollowTheQuizPlaybackAndPresentation)
{
    const CommandState free;
    CommandState hidden;
    hidden.valuesHidden = true;
    CommandState playing;
    playing.recordingPlays = true;
    CommandState quiz;
    quiz.quizRuns = true;
    quiz.valuesHidden = true;
    CommandState presenting;
    presenting.presenting = true;

    for (int id :
         std::initializer_list<int>{Id::Muscles, Id::ViewSubmenu, Id::ModeLatent, Id::Presentation, Id::OpenCase,
                                    Id::EyeCrossTool, Id::EyeCrossItem, Id::QuadrantHideTool, Id::ShowDeviationItem})
        EXPECT_FALSE(Enabled(id, hidden)) << id;
    EXPECT_TRUE(Enabled(Id::Muscles, free));
    EXPECT_FALSE(Enabled(Id::Muscles, playing));
    EXPECT_TRUE(Enabled(Id::HideValuesTool, hidden));
    EXPECT_FALSE(Enabled(Id::HideValuesTool, quiz));
    for (int id :
         std::initializer_list<int>{Id::DistanceNearer, Id::PrismSubmenu, Id::PrismNextBaseEye2, Id::RemovePrisms}) {
        EXPECT_FALSE(Enabled(id, playing)) << id;
        EXPECT_TRUE(Enabled(id, hidden)) << id;
    }
    for (int id : std::initializer_list<int>{Id::RepairRecording, Id::SaveRecording, Id::SaveRecordingAs}) {
        EXPECT_FALSE(Enabled(id, free)) << id;
        EXPECT_TRUE(Enabled(id, playing)) << id;
    }
    EXPECT_FALSE(Enabled(Id::LeavePresentation, free));
    EXPECT_TRUE(Enabled(Id::LeavePresentation, presenting));
    // The examination itself goes on whatever is hidden or played.
    for (int id : std::initializer_list<int>{Id::Uncover, Id::CoverRightEyeOccluder, Id::FirstGazePosition,
                                             Id::ResetViewTool, Id::QuizTool, Id::ShowTargetItem})
        EXPECT_TRUE(Enabled(id, quiz) && Enabled(id, playing)) << id;
}

TEST(CommandTable, EccentricityItemsAreLabelledInDegrees)
{
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(EccentricityDegrees(Id::FirstEccentricity + i), 10 + 5 * i);
    EXPECT_EQ(Id::FirstEccentricity + 4, Id::LastEccentricity);
    EXPECT_EQ(EccentricityDegrees(Id::FirstEccentricity - 1), 0);
    EXPECT_EQ(EccentricityDegrees(Id::LastEccentricity + 1), 0);
    EXPECT_EQ(FindCommand(Id::FirstEccentricity + 2)->kind, CommandKind::radio);
}

TEST(MenuLayout, MenusAreInTheirPlacesWithTheLanguageFilesFourth)
{
    const auto& menus = MenuBarLayout();
    ASSERT_EQ(menus.size(), 5u);
    EXPECT_EQ(menus[0].title, Text::FileMenu);
    EXPECT_TRUE(menus[3].languageFiles);
    EXPECT_TRUE(menus[3].items.empty());
    EXPECT_EQ(menus[4].title, Text::HelpMenu);
    // The gaze submenu lists the positions as a keypad shows them, top row first.
    const auto& examination = menus[2].items;
    const auto gazeAt = std::find_if(examination.begin(), examination.end(),
                                     [](const MenuEntry& entry) { return entry.id == Id::GazeSubmenu; });
    ASSERT_NE(gazeAt, examination.end());
    const MenuEntry& gaze = *gazeAt;
    EXPECT_EQ(gaze.items.at(2).id, Id::FirstGazePosition + 6);
    EXPECT_EQ(gaze.items.back().id, Id::FirstGazePosition + 2);
    for (const MenuLayout& menu : menus) {
        ASSERT_FALSE(!menu.languageFiles && menu.items.empty());
        if (menu.languageFiles)
            continue;
        EXPECT_NE(menu.items.front().id, kSeparator);
        EXPECT_NE(menu.items.back().id, kSeparator);
    }
}
