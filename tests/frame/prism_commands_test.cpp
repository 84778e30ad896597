// Prisms before the eyes: keys, chooser, status field, and what resets them.
#include "FrameFixture.h"
#include "TestDialogs.h"

#include "widgets/Ids.h"
#include "frame/PrismDialog.h"

#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include <array>

// Answers the prism chooser with the given prisms, then OK.
template <>
class wxExpectModal<PrismDialog> : public wxExpectModalBase<PrismDialog> {
public:
    explicit wxExpectModal(std::array<Prism, 2> prisms) : m_prisms(prisms) {}

protected:
    int OnInvoked(PrismDialog* dialog) const override
    {
        // What the dialog shows on opening is what stands before the eyes.
        m_shown = dialog->Prisms();
        for (int eye = 0; eye < 2; ++eye)
            dialog->Choose(eye, m_prisms[eye]);
        return wxID_OK;
    }

public:
    mutable std::array<Prism, 2> m_shown{};

private:
    std::array<Prism, 2> m_prisms;
};

class PrismCommandsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        ASSERT_TRUE(StartProgram());
    }
    void PressKey(int keyCode, bool shift = false)
    {
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = keyCode;
        key.m_shiftDown = shift;
        key.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(key);
    }
    wxString Status() const { return m_frame->GetStatusBar()->GetStatusText(PatientFrame::kPrismStatusField); }
    const Prism& PrismOf(int eye) const
    {
        return m_frame->ExaminationNow().PrismBefore(eye == 0 ? Eye::one : Eye::two);
    }
};

TEST_F(PrismCommandsTest, KeysStepAlongTheBarAndTheStatusShowsThePrisms)
{
    EXPECT_EQ(Status(), "");
    // Eye 2: K stronger, Shift+K weaker, J the next base.
    for (int press = 0; press < 11; ++press)
        PressKey('K');
    EXPECT_EQ(PrismOf(1).dioptres, 20);
    EXPECT_EQ(Status(), "L: 20 PD base out");
    PressKey('K', true);
    EXPECT_EQ(PrismOf(1).dioptres, 18);
    PressKey('J');
    EXPECT_EQ(PrismOf(1).base, PrismBase::in);
    // Eye 1: D, Shift+D and S.
    PressKey('D');
    PressKey('D');
    PressKey('S');
    PressKey('S');
    EXPECT_EQ(PrismOf(0).dioptres, 2);
    EXPECT_EQ(PrismOf(0).base, PrismBase::up);
    EXPECT_EQ(Status(), "R: 2 PD base up   L: 18 PD base in");
    const int width = m_frame->GetStatusBar()->GetTextExtent(Status()).GetWidth();
    wxRect field;
    ASSERT_TRUE(m_frame->GetStatusBar()->GetFieldRect(PatientFrame::kPrismStatusField, field));
    EXPECT_GE(field.GetWidth(), width);
    PressKey('D', true);
    PressKey('D', true);
    PressKey('D', true);
    EXPECT_EQ(PrismOf(0).dioptres, 0);
    EXPECT_EQ(Status(), "L: 18 PD base in");

    // Shift+U takes both prisms away; the cover aids stay.
    PressKey('Q');
    PressKey('U', true);
    EXPECT_EQ(PrismOf(1).dioptres, 0);
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(m_frame->GetToolBar()->GetToolState(Id::OccluderEye1));
}

TEST_F(PrismCommandsTest, ChooserTakesPowerAndBaseAndANewPatientHasNone)
{
    m_frame->SetPrisms({Prism{4, PrismBase::down}, Prism{}});
    wxExpectModal<PrismDialog> answer({Prism{}, Prism{25, PrismBase::out}});
    wxTEST_DIALOG(SendCommand(Id::PrismChooser), answer);
    EXPECT_EQ(answer.m_shown[0].dioptres, 4);
    EXPECT_EQ(answer.m_shown[0].base, PrismBase::down);
    EXPECT_EQ(answer.m_shown[1].dioptres, 0);
    EXPECT_EQ(PrismOf(0).dioptres, 0);
    EXPECT_EQ(PrismOf(1).dioptres, 25);
    EXPECT_EQ(PrismOf(1).base, PrismBase::out);
    EXPECT_EQ(Status(), "L: 25 PD base out");

    SendCommand(Id::NewCase);
    EXPECT_EQ(PrismOf(1).dioptres, 0);
    EXPECT_EQ(Status(), "");
}
