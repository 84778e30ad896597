// Presentation mode, the examination keys and pictures of the view.
#include "FileSizeLimit.h"
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "TestDialogs.h"

#include "commands/CommandTable.h"
#include "widgets/Ids.h"
#include "view/EyesCanvas.h"

#include <wx/choicdlg.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/mstream.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

using namespace drive;
namespace fs = std::filesystem;

namespace {

// Picks an entry of the export's size question.
class ExpectChoice : public wxExpectModalBase<wxSingleChoiceDialog> {
public:
    explicit ExpectChoice(int index) : m_index(index) {}

protected:
    int OnInvoked(wxSingleChoiceDialog* dialog) const override
    {
        dialog->SetSelection(m_index);
        return wxID_OK;
    }

private:
    int m_index;
};

bool IsPupil(const wxImage& image, int x, int y)
{
    return image.GetRed(x, y) < 20 && image.GetGreen(x, y) < 20 && image.GetBlue(x, y) < 20;
}

}  // namespace

class LectureHallTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        ASSERT_TRUE(StartProgram());
    }
    bool Tool(int id) const { return m_frame->GetToolBar()->GetToolState(id); }
    EyesCanvas* Canvas() const { return &m_frame->View(); }
    void PressOnFrame(int keyCode)
    {
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = keyCode;
        key.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(key);
    }
};

TEST_F(LectureHallTest, PresentationShowsTheViewAloneAndVBringsTheValuesBack)
{
    const int normalWidth = Canvas()->GetSize().GetWidth();
    SendCommand(Id::Presentation);
    Yield();
    EXPECT_TRUE(m_frame->IsFullScreen());
    for (const wxWindow* hidden :
         {&Named<wxWindow>(m_frame, FrameControl::EyeBox(1)), &Control<wxWindow>(m_frame, Id::GazeSliderEye1Vertical),
          &Control<wxWindow>(m_frame, Id::BlendSlider)})
        EXPECT_FALSE(hidden->IsShown());
    EXPECT_GT(Canvas()->GetSize().GetWidth(), normalWidth + 150) << "the view takes the controls' room";

    PressOnFrame('V');
    EXPECT_TRUE(Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).IsShown());
    // Released, the values go again after a moment.
    for (int i = 0; i < 300 && Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).IsShown(); ++i) {
        wxMilliSleep(10);
        Yield();
    }
    EXPECT_FALSE(Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).IsShown());

    // The quiz hides the values on purpose: V must not show them.
    ToggleTool(m_frame, Id::HideValuesTool);
    PressOnFrame('V');
    EXPECT_FALSE(Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).IsShown());
    ToggleTool(m_frame, Id::HideValuesTool);

    PressOnFrame(WXK_ESCAPE);
    Yield();
    EXPECT_FALSE(m_frame->IsPresentation());
    EXPECT_TRUE(Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).IsShown());
    EXPECT_TRUE(Control<wxSlider>(m_frame, Id::BlendSlider).IsShown());
    EXPECT_LT(Canvas()->GetSize().GetWidth(), normalWidth + 50) << "the controls have their room again";
}

TEST_F(LectureHallTest, EveryExaminationStepIsOneCommand)
{
    SendCommand(Id::CoverRightEyeOccluder + 4);  // red filter before the left eye
    EXPECT_TRUE(Tool(Id::RedFilterEye2));
    SendCommand(Id::AlternateCover);
    EXPECT_TRUE(Tool(Id::OccluderEye1));
    EXPECT_FALSE(Tool(Id::RedFilterEye2));
    SendCommand(Id::AlternateCover);
    EXPECT_TRUE(Tool(Id::OccluderEye2));
    EXPECT_FALSE(Tool(Id::OccluderEye1));
    SendCommand(Id::Uncover);
    for (int tool : {Id::OccluderEye1, Id::OccluderEye2, Id::RedFilterEye2})
        EXPECT_FALSE(Tool(tool)) << tool;

    SendCommand(Id::DistanceNear);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 11);
    SendCommand(Id::DistanceNearer);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 11);
    SendCommand(Id::DistanceFarther);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 10);
    EXPECT_FALSE(m_frame->TextField(400)->IsEnabled()) << "between the ends the values are blended";
    SendCommand(Id::DistanceFar);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 1);

    // Up at the default 20 degrees, then 30; the keypad does the same as the digits.
    SendCommand(Id::FirstGazePosition + 7);
    EXPECT_FLOAT_EQ(Canvas()->m_gazeElevation[0], -20.0f);
    SendCommand(Id::LastEccentricity);
    EXPECT_FLOAT_EQ(Canvas()->m_gazeElevation[0], -30.0f);
    PressOnFrame(WXK_NUMPAD6);
    EXPECT_FLOAT_EQ(Canvas()->m_gazeAzimuth[0], -90.0f);
    EXPECT_FLOAT_EQ(Canvas()->m_gazeElevation[1], -30.0f);
    // A fixed target holds the eyes until the pointer is chosen again.
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition({10, 10});
    Canvas()->GetEventHandler()->ProcessEvent(move);
    EXPECT_FLOAT_EQ(Canvas()->m_gazeAzimuth[0], -90.0f);
    PressOnFrame(WXK_NUMPAD0);
    EXPECT_FALSE(Canvas()->CurrentGazeTarget());
    // Reset view hands the gaze back to the pointer as well.
    PressOnFrame(WXK_NUMPAD9);
    ASSERT_TRUE(Canvas()->CurrentGazeTarget());
    PressOnFrame('R');
    EXPECT_FALSE(Canvas()->CurrentGazeTarget());
}

TEST_F(LectureHallTest, KeysOfALockedMenuStayLocked)
{
    wxKeyEvent latent(wxEVT_CHAR_HOOK);
    latent.m_keyCode = 'M';
    latent.m_shiftDown = true;
    // Hidden values lock the View submenu, as the quiz does: its items, the
    // tools that would show the case and their keys alike, at once.
    wxMenuBar* menus = m_frame->GetMenuBar();
    wxKeyEvent deviation(wxEVT_CHAR_HOOK);
    deviation.m_keyCode = 'G';
    ToggleTool(m_frame, Id::HideValuesTool);
    m_frame->ProcessWindowEvent(latent);
    m_frame->ProcessWindowEvent(deviation);
    EXPECT_TRUE(menus->IsChecked(Id::ModeManifest));
    const auto deviationShown = [&] {
        return m_frame->GetStatusBar()->GetStatusText(0).StartsWith(
            wxString::FromUTF8("Deviation: 0.0\u00B0, 0.0\u00B0"));
    };
    EXPECT_FALSE(deviationShown());
    for (int id : {Id::ViewSubmenu, Id::Muscles, Id::OpenCase, Id::EyeCrossItem, Id::ShowDeviationItem})
        EXPECT_FALSE(menus->IsEnabled(id)) << id;
    EXPECT_FALSE(m_frame->GetToolBar()->GetToolEnabled(Id::OpenCase));
    EXPECT_TRUE(menus->IsEnabled(Id::Uncover));
    ToggleTool(m_frame, Id::HideValuesTool);
    m_frame->ProcessWindowEvent(latent);
    EXPECT_TRUE(menus->IsChecked(Id::ModeLatent));
    m_frame->ProcessWindowEvent(deviation);
    EXPECT_TRUE(deviationShown()) << m_frame->GetStatusBar()->GetStatusText(0);
    for (int id : {Id::ViewSubmenu, Id::Muscles, Id::OpenCase, Id::EyeCrossItem})
        EXPECT_TRUE(menus->IsEnabled(id)) << id;
    EXPECT_TRUE(m_frame->GetToolBar()->GetToolEnabled(Id::OpenCase));
    EXPECT_FALSE(menus->IsEnabled(Id::SaveRecording)) << "only a recording has one to save";
}

TEST_F(LectureHallTest, EveryMenuItemAndToolIsACommandWithTheKeyItShows)
{
    std::vector<wxMenuItem*> pending;
    wxMenuBar* menus = m_frame->GetMenuBar();
    for (std::size_t position = 0; position < menus->GetMenuCount(); ++position)
        for (wxMenuItem* item : menus->GetMenu(position)->GetMenuItems())
            pending.push_back(item);
    int commands = 0;
    while (!pending.empty()) {
        wxMenuItem* item = pending.back();
        pending.pop_back();
        if (item->IsSeparator() || (item->GetId() >= Id::FirstLanguage && item->GetId() <= Id::LastLanguage))
            continue;
        ++commands;
        const Command* command = FindCommand(item->GetId());
        ASSERT_NE(command, nullptr) << item->GetItemLabelText();
        const std::unique_ptr<wxAcceleratorEntry> shown(item->GetAccel());
        wxAcceleratorEntry listed;
        ASSERT_EQ(shown != nullptr, command->key && listed.FromString(command->key)) << command->id;
        if (shown) {
            EXPECT_EQ(shown->GetKeyCode(), listed.GetKeyCode()) << command->id;
            EXPECT_EQ(shown->GetFlags(), listed.GetFlags()) << command->id;
        }
        if (item->IsSubMenu())
            for (wxMenuItem* child : item->GetSubMenu()->GetMenuItems())
                pending.push_back(child);
    }
    // And every command with a menu label is in the menus.
    EXPECT_EQ(commands, std::count_if(Commands().begin(), Commands().end(), [](const Command& command) {
                  return command.text != 0 || command.kind == CommandKind::radio;
              }));
    wxToolBar* tools = m_frame->GetToolBar();
    for (std::size_t position = 0; position < tools->GetToolsCount(); ++position) {
        const wxToolBarToolBase* tool = tools->GetToolByPos(static_cast<int>(position));
        if (tool->IsSeparator())
            continue;
        const Command* command = FindCommand(tool->GetId());
        ASSERT_NE(command, nullptr) << tool->GetId();
        EXPECT_STREQ(ToolBitmapName(tool->GetId()), command->tool.bitmap);
        EXPECT_EQ(tool->CanBeToggled(), command->kind == CommandKind::check) << tool->GetId();
    }
}

TEST_F(LectureHallTest, KeysReachTheViewButNotAFieldBeingTyped)
{
    m_frame->Raise();
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    click.SetLeftDown(true);
    Canvas()->GetEventHandler()->ProcessEvent(click);
    Yield();
    EXPECT_EQ(wxWindow::FindFocus(), Canvas()) << "a click in the view takes the keyboard";
    wxUIActionSimulator keyboard;
    keyboard.Char('q');
    Yield();
    EXPECT_TRUE(Tool(Id::OccluderEye1)) << "Q puts the occluder before the right eye";

    wxTextCtrl* field = m_frame->TextField(400);
    field->SetFocus();
    field->SelectAll();
    Yield();
    keyboard.Char('c');
    keyboard.Char('u');
    Yield();
    EXPECT_FALSE(m_frame->GetMenuBar()->IsChecked(Id::EyeCrossItem));
    EXPECT_TRUE(Tool(Id::OccluderEye1)) << "U typed into a field does not uncover";
    EXPECT_EQ(field->GetValue(), "cu");

    // A slider with the keyboard leaves the head keys to the window.
    auto* distance = dynamic_cast<wxSlider*>(m_frame->FindWindow(Id::BlendSlider));
    ASSERT_NE(distance, nullptr);
    distance->SetFocus();
    Yield();
    const int before = distance->GetValue();
    keyboard.Char(WXK_LEFT, wxMOD_ALT);
    keyboard.Char(WXK_RIGHT, wxMOD_CONTROL);
    keyboard.Char(WXK_DOWN, wxMOD_ALT);
    Yield();
    EXPECT_EQ(m_frame->ExaminationNow().Head(), (HeadPosture{5, -5, -5}));
    EXPECT_EQ(distance->GetValue(), before);
    // Another case is another patient, who comes in holding his head straight.
    m_frame->OpenCase(wxString(SQUINX_DATA_DIR) + "/cases/fourth-nerve-palsy-right.sd");
    EXPECT_TRUE(m_frame->ExaminationNow().Head().Straight());
    EXPECT_TRUE(m_frame->ExaminationNow().CompensatoryHeadPosture());
}

TEST_F(LectureHallTest, ExportedPictureHasTheChosenSizeAndBothEyes)
{
    const wxSize view = Canvas()->GetClientSize();
    wxTEST_DIALOG(SendCommand(Id::ExportPicture), ExpectChoice(1), wxExpectModal<wxFileDialog>(PathOf("eyes")));
    wxImage picture;
    ASSERT_TRUE(picture.LoadFile(PathOf("eyes.png"), wxBITMAP_TYPE_PNG));
    EXPECT_EQ(picture.GetWidth(), 2 * view.GetWidth());
    EXPECT_EQ(picture.GetHeight(), 2 * view.GetHeight());
    // A pupil in each half, on the middle row.
    int left = 0;
    int right = 0;
    const int row = picture.GetHeight() / 2;
    for (int x = 0; x < picture.GetWidth(); ++x)
        if (IsPupil(picture, x, row))
            ++(x < picture.GetWidth() / 2 ? left : right);
    EXPECT_GT(left, 10);
    EXPECT_GT(right, 10);
}

TEST_F(LectureHallTest, FailedExportIsReportedAndLeavesNoFile)
{
    wxString message;
    {
        const FileSizeLimit diskOf100Bytes(100);
        wxTEST_DIALOG(SendCommand(Id::ExportPicture), ExpectChoice(0), wxExpectModal<wxFileDialog>(PathOf("full")),
                      ExpectMessageBox(wxID_OK, &message));
    }
    EXPECT_NE(message.Find(PathOf("full.png")), wxNOT_FOUND) << message;
    EXPECT_FALSE(fs::exists(PathOf("full.png")));
    for (const auto& entry : fs::directory_iterator(m_folder))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

// Run in a process of its own, so no export before has made PNG known.
TEST_F(LectureHallTest, CopiedPictureReadsBackFromTheClipboardAsPng)
{
    const wxSize view = Canvas()->GetClientSize();
    SendCommand(Id::CopyPicture);
    ASSERT_TRUE(wxTheClipboard->Open());
    wxCustomDataObject png(wxDataFormat("image/png"));
    const bool got = wxTheClipboard->GetData(png);
    wxTheClipboard->Close();
    ASSERT_TRUE(got);
    ASSERT_GT(png.GetSize(), 8u);
    wxMemoryInputStream stream(png.GetData(), png.GetSize());
    wxImage picture;
    ASSERT_TRUE(picture.LoadFile(stream, wxBITMAP_TYPE_PNG));
    EXPECT_EQ(picture.GetSize(), view);
}
