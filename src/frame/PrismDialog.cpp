#include "frame/PrismDialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/stattext.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr PrismBase kBaseOrder[] = {PrismBase::out, PrismBase::in, PrismBase::up, PrismBase::down};

int BaseIndex(PrismBase base)
{
    return static_cast<int>(std::find(std::begin(kBaseOrder), std::end(kBaseOrder), base) - std::begin(kBaseOrder));
}

}  // namespace

PrismDialog::PrismDialog(wxWindow* parent, const Texts& texts, const std::array<Prism, 2>& prisms)
    : wxDialog(parent, wxID_ANY, texts.title)
{
    wxArrayString powers;
    powers.Add(texts.none);
    for (int dioptres : PrismBarPowers())
        powers.Add(wxString::Format("%d ", dioptres) + texts.unit);
    wxArrayString bases;
    for (const wxString& base : texts.bases)
        bases.Add(base);

    auto* powerHead = new wxStaticText(this, wxID_ANY, texts.power);
    auto* baseHead = new wxStaticText(this, wxID_ANY, texts.base);
    std::array<wxStaticText*, 2> eyeLabels{};
    int labelWidth = 0;
    for (int eye = 0; eye < 2; ++eye) {
        eyeLabels[eye] = new wxStaticText(this, wxID_ANY, texts.eyes[eye]);
        labelWidth = std::max(labelWidth, eyeLabels[eye]->GetBestSize().GetWidth());
        m_powers[eye] = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, powers);
        m_bases[eye] = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, bases);
        Choose(eye, prisms[eye]);
    }

    // Measured from the texts of the current language and font.
    const int powerWidth = std::max(m_powers[0]->GetBestSize().GetWidth(), powerHead->GetBestSize().GetWidth());
    const int baseWidth = std::max(m_bases[0]->GetBestSize().GetWidth(), baseHead->GetBestSize().GetWidth());
    const int rowHeight = std::max(m_powers[0]->GetBestSize().GetHeight(), m_bases[0]->GetBestSize().GetHeight());
    const int headHeight = powerHead->GetBestSize().GetHeight();
    const int powerX = kMargin + labelWidth + kGap;
    const int baseX = powerX + powerWidth + kGap;
    powerHead->SetSize(powerX, kMargin, powerWidth, headHeight);
    baseHead->SetSize(baseX, kMargin, baseWidth, headHeight);
    int y = kMargin + headHeight + kGap / 2;
    for (int eye = 0; eye < 2; ++eye) {
        const int labelHeight = eyeLabels[eye]->GetBestSize().GetHeight();
        eyeLabels[eye]->SetSize(kMargin, y + (rowHeight - labelHeight) / 2, labelWidth, labelHeight);
        m_powers[eye]->SetSize(powerX, y, powerWidth, rowHeight);
        m_bases[eye]->SetSize(baseX, y, baseWidth, rowHeight);
        y += rowHeight + kGap;
    }

    const int width = baseX + baseWidth + kMargin;
    auto* cancel = new wxButton(this, wxID_CANCEL, texts.cancel);
    auto* ok = new wxButton(this, wxID_OK, texts.ok);
    const wxSize cancelSize = cancel->GetBestSize();
    const wxSize okSize = ok->GetBestSize();
    y += kGap;
    cancel->SetSize(wxRect(wxPoint(width - kMargin - cancelSize.GetWidth(), y), cancelSize));
    ok->SetSize(wxRect(wxPoint(width - kMargin - cancelSize.GetWidth() - kGap - okSize.GetWidth(), y), okSize));
    ok->SetDefault();
    SetClientSize(width, y + std::max(cancelSize.GetHeight(), okSize.GetHeight()) + kMargin);
    Centre(wxBOTH);
}

void PrismDialog::Choose(int eye, const Prism& prism)
{
    const std::vector<int>& bar = PrismBarPowers();
    // A power off the bar shows as the next stronger one on it.
    const auto onBar = std::lower_bound(bar.begin(), bar.end(), prism.dioptres);
    const int power = prism.dioptres <= 0 ? 0 : 1 + static_cast<int>(std::min(onBar, bar.end() - 1) - bar.begin());
    m_powers[eye]->SetSelection(power);
    m_bases[eye]->SetSelection(BaseIndex(prism.base));
}

std::array<Prism, 2> PrismDialog::Prisms() const
{
    std::array<Prism, 2> prisms{};
    for (int eye = 0; eye < 2; ++eye) {
        const int power = m_powers[eye]->GetSelection();
        prisms[eye].dioptres = power <= 0 ? 0 : PrismBarPowers()[power - 1];
        const int base = m_bases[eye]->GetSelection();
        prisms[eye].base = base < 0 ? PrismBase::out : kBaseOrder[base];
    }
    return prisms;
}
