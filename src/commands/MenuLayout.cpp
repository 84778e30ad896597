#include "commands/MenuLayout.h"

#include "lang/TextIds.h"
#include "widgets/Ids.h"

namespace {

const MenuEntry separator{kSeparator, {}};

MenuEntry Items(std::initializer_list<int> ids)
{
    MenuEntry group;
    for (int id : ids)
        group.items.push_back({id, {}});
    return group;
}

// Appends the entries of each group, a separator between groups.
std::vector<MenuEntry> Grouped(std::initializer_list<std::vector<MenuEntry>> groups)
{
    std::vector<MenuEntry> entries;
    for (const auto& group : groups) {
        if (!entries.empty())
            entries.push_back(separator);
        entries.insert(entries.end(), group.begin(), group.end());
    }
    return entries;
}

std::vector<MenuEntry> Ids(std::initializer_list<int> ids)
{
    return Items(ids).items;
}

std::vector<MenuEntry> IdRange(int first, int count)
{
    std::vector<MenuEntry> entries;
    for (int id = first; id < first + count; ++id)
        entries.push_back({id, {}});
    return entries;
}

std::vector<MenuLayout> BuildMenuBar()
{
    const MenuEntry head{Id::HeadSubmenu,
                         Grouped({IdRange(Id::FirstHeadStep, 2), IdRange(Id::FirstHeadStep + 2, 2),
                                  IdRange(Id::FirstHeadStep + 4, 2), Ids({Id::StraightenHead, Id::CompensatoryHead})})};
    const MenuEntry view{Id::ViewSubmenu,
                         Grouped({Ids({Id::ModeManifest, Id::ModeLatent, Id::AxisLinesItem, Id::WholeDegreesItem}),
                                  Ids({Id::FaceItem, Id::ShowTargetItem}),
                                  Ids({Id::Presentation}),
                                  Ids({Id::HessChart, Id::NinePositions, Id::ShowDeviationItem}),
                                  {head}})};
    // Listed as on a keypad, top row first.
    std::vector<MenuEntry> positions;
    for (int key : {7, 8, 9, 4, 5, 6, 1, 2, 3})
        positions.push_back({Id::FirstGazePosition + key - 1, {}});
    const MenuEntry gaze{Id::GazeSubmenu, Grouped({Ids({Id::GazeFollowsPointer}), positions})};
    const MenuEntry eccentricity{Id::EccentricitySubmenu,
                                 IdRange(Id::FirstEccentricity, Id::LastEccentricity - Id::FirstEccentricity + 1)};
    const MenuEntry prisms{Id::PrismSubmenu, Grouped({Ids({Id::PrismChooser}), IdRange(Id::PrismStrongerEye1, 3),
                                                      IdRange(Id::PrismStrongerEye1 + 3, 3), Ids({Id::RemovePrisms})})};

    MenuLayout file{Text::FileMenu,
                    Grouped({Ids({Id::NewCase}), Ids({Id::OpenCase, Id::SaveCase, Id::SaveCaseAs}),
                             Ids({Id::OpenRecording, Id::SaveRecording, Id::SaveRecordingAs}),
                             Ids({Id::ExportPicture, Id::CopyPicture}), Ids({Id::Exit})}),
                    false};
    std::vector<MenuEntry> options{view};
    for (const MenuEntry& entry : Grouped({Ids({Id::EyeCrossItem, Id::FlashlightItem, Id::RepairRecording}),
                                           Ids({Id::DisplayOptions, Id::Muscles})}))
        options.push_back(entry);
    MenuLayout examination{Text::ExaminationMenu,
                           Grouped({IdRange(Id::CoverRightEyeOccluder, 3),
                                    IdRange(Id::CoverRightEyeOccluder + 3, 3),
                                    Ids({Id::Uncover, Id::AlternateCover}),
                                    Ids({Id::DistanceFar, Id::DistanceNear, Id::DistanceNearer, Id::DistanceFarther}),
                                    {gaze, eccentricity},
                                    {prisms}}),
                           false};
    MenuLayout help{Text::HelpMenu, Grouped({Ids({Id::HelpContents}), Ids({Id::About})}), false};
    return {file, {Text::OptionsMenu, options, false}, examination, {Text::LanguageMenu, {}, true}, help};
}

}  // namespace

const std::vector<MenuLayout>& MenuBarLayout()
{
    static const std::vector<MenuLayout> menus = BuildMenuBar();
    return menus;
}

const std::vector<int>& ToolBarLayout()
{
    static const std::vector<int> tools = {
        Id::NewCase,       Id::OpenCase,        Id::SaveCase,        kSeparator,           Id::FlashlightTool,
        Id::EyeCrossTool,  Id::ResetViewTool,   Id::HideValuesTool,  Id::QuizTool,         kSeparator,
        Id::OccluderEye1,  Id::RedFilterEye1,   Id::TranslucentEye1, kSeparator,           Id::OccluderEye2,
        Id::RedFilterEye2, Id::TranslucentEye2, kSeparator,          Id::QuadrantEditTool, Id::QuadrantHideTool,
    };
    return tools;
}
