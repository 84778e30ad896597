// Loose prisms before the eyes for the prism cover test: the chooser, the
// keys that step along the prism bar, and the status field that shows them.
#include "frame/PatientFrame.h"

#include "widgets/FileChooser.h"
#include "widgets/Ids.h"
#include "frame/PrismDialog.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "view/EyesCanvas.h"

#include <wx/statusbr.h>

namespace {

// The actions of the key items, in their id order for each eye.
enum PrismAction { stronger, weaker, nextBase, actionCount };

int BaseText(PrismBase base)
{
    switch (base) {
    case PrismBase::out:
        return Text::PrismBaseOut;
    case PrismBase::in:
        return Text::PrismBaseIn;
    case PrismBase::up:
        return Text::PrismBaseUp;
    case PrismBase::down:
        break;
    }
    return Text::PrismBaseDown;
}

}  // namespace

void PatientFrame::ShowPrismChooser()
{
    StopPlayback();
    PrismDialog::Texts texts;
    texts.title = LanguageText(*m_languageTable, Text::PrismDialogTitle);
    texts.eyes = {Text(Text::EyeGroup1), Text(Text::EyeGroup2)};
    texts.power = LanguageText(*m_languageTable, Text::PrismPowerLabel);
    texts.base = LanguageText(*m_languageTable, Text::PrismBaseLabel);
    texts.none = LanguageText(*m_languageTable, Text::PrismNone);
    texts.unit = LanguageText(*m_languageTable, Text::PrismUnit);
    texts.bases = {LanguageText(*m_languageTable, Text::PrismBaseOut),
                   LanguageText(*m_languageTable, Text::PrismBaseIn), LanguageText(*m_languageTable, Text::PrismBaseUp),
                   LanguageText(*m_languageTable, Text::PrismBaseDown)};
    texts.ok = Text(Text::OkButton);
    texts.cancel = Text(Text::CancelButton);
    PrismDialog dialog(this, texts, Prisms());
    if (dialog.ShowModal() == wxID_OK)
        SetPrisms(dialog.Prisms());
}

void PatientFrame::SetPrisms(const std::array<Prism, 2>& prisms)
{
    m_examination.SetPrism(Eye::one, prisms[0]);
    m_examination.SetPrism(Eye::two, prisms[1]);
}

wxString PatientFrame::PrismStatusText() const
{
    const int eyeLetters[] = {Text::PrismStatusRight, Text::PrismStatusLeft};
    wxString status;
    for (int eye = 0; eye < 2; ++eye) {
        const Prism prism = Prisms()[eye];
        if (prism.dioptres == 0)
            continue;
        if (!status.empty())
            status += "   ";
        status += LanguageText(*m_languageTable, eyeLetters[eye]) + wxString::Format(": %d ", prism.dioptres) +
                  LanguageText(*m_languageTable, Text::PrismUnit) + " " +
                  LanguageText(*m_languageTable, BaseText(prism.base));
    }
    return status;
}

void PatientFrame::ShowPrismStatus()
{
    const wxString prisms = PrismStatusText();
    const wxString head = HeadStatusText();
    m_statusBar->SetStatusText(prisms.empty() || head.empty() ? prisms + head : prisms + "   " + head,
                               kPrismStatusField);
    FitStatusFields();
}
