#include "about/AboutDescription.h"

#include "resources/Resources.h"

#include <wx/artprov.h>
#include <wx/fs_mem.h>
#include <wx/xrc/xh_bmpbt.h>
#include <wx/xrc/xh_bttn.h>
#include <wx/xrc/xh_dlg.h>
#include <wx/xrc/xh_gauge.h>
#include <wx/xrc/xh_stbmp.h>
#include <wx/xrc/xh_sttxt.h>
#include <wx/xrc/xmlres.h>

#include <cstring>

namespace {

// Positions and sizes are dialog units ("d"), measured in the dialog's own
// font. Names are the control ids. Static texts keep their size when the
// program replaces their labels. Each font names faces of the same widths
// after the one the layout was drawn with, for systems without it; the first
// one installed is used. Pictures name program resources through the art
// provider below.
const char kDescription[] = R"xrc(<?xml version="1.0" encoding="UTF-8"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxDialog" name="dialog1">
    <title>Squinx</title>
    <style>wxCAPTION|wxRESIZE_BORDER|wxSYSTEM_MENU|wxCLOSE_BOX</style>
    <pos>10,10d</pos>
    <size>250,172d</size>
    <bg>#C0C0C0</bg>
    <font><size>8</size><family>swiss</family><face>MS Sans Serif,Arial,Liberation Sans,Nimbus Sans</face></font>
    <object class="wxStaticText" name="6007">
      <pos>48,8d</pos><size>160,14d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>14</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>Squinx - Schielsimulator</label>
    </object>
    <object class="wxStaticText" name="6008">
      <pos>48,20d</pos><size>160,8d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>8</size><family>swiss</family><face>MS Sans Serif,Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>© 2025 Squinx contributors</label>
    </object>
    <object class="wxStaticText" name="6004">
      <pos>49,28d</pos><size>130,8d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>8</size><family>swiss</family><face>MS Sans Serif,Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>Version 1.1</label>
    </object>
    <object class="wxStaticText" name="6041">
      <pos>48,46d</pos><size>141,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label></label>
    </object>
    <object class="wxStaticText" name="6037">
      <pos>48,58d</pos><size>165,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label></label>
    </object>
    <object class="wxStaticText" name="6017">
      <pos>50,58d</pos><size>143,33d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>8</size><family>swiss</family><face>MS Sans Serif,Arial,Liberation Sans,Nimbus Sans</face></font>
      <label></label>
    </object>
    <object class="wxStaticText" name="6040">
      <pos>48,65d</pos><size>63,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label></label>
    </object>
    <object class="wxStaticText" name="6038">
      <pos>48,80d</pos><size>178,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label></label>
    </object>
    <object class="wxStaticText" name="6039">
      <pos>70,87d</pos><size>172,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label></label>
    </object>
    <object class="wxGauge" name="6019">
      <pos>48,98d</pos><size>186,1d</size><style>wxGA_HORIZONTAL</style>
      <font><size>8</size><family>swiss</family><face>MS Sans Serif,Arial,Liberation Sans,Nimbus Sans</face></font>
      <range>10</range>
      <value>0</value>
    </object>
    <object class="wxStaticText" name="6009">
      <pos>48,103d</pos><size>180,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>Eine Produktion von:</label>
    </object>
    <object class="wxStaticText" name="6005">
      <pos>100,103d</pos><size>180,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>Squinx contributors</label>
    </object>
    <object class="wxStaticText" name="6006">
      <pos>166,103d</pos><size>80,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>und der</label>
    </object>
    <object class="wxStaticText" name="6022">
      <pos>100,110d</pos><size>110,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>Arbeitsgruppe Orthoptik-Lehre</label>
    </object>
    <object class="wxStaticText" name="6023">
      <pos>100,117d</pos><size>110,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>im Squinx-Projekt</label>
    </object>
    <object class="wxStaticText" name="6024">
      <pos>48,131d</pos><size>180,6d</size><style>wxST_NO_AUTORESIZE|wxBORDER_NONE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>Programmierung:</label>
    </object>
    <object class="wxStaticText" name="6025">
      <pos>100,131d</pos><size>88,6d</size><style>wxST_NO_AUTORESIZE|wxBORDER_NONE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>Squinx contributors</label>
    </object>
    <object class="wxStaticText" name="6026">
      <pos>48,138d</pos><size>180,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>Konzeption:</label>
    </object>
    <object class="wxStaticText" name="6028">
      <pos>100,138d</pos><size>100,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>Squinx contributors</label>
    </object>
    <object class="wxStaticBitmap" name="6029">
      <pos>7,7d</pos><size>35,25d</size>
      <bitmap stock_id="logo" stock_client="wxART_OTHER"/>
    </object>
    <object class="wxBitmapButton" name="6030">
      <pos>48,150d</pos><size>65,20d</size>
      <bitmap stock_id="logoProject" stock_client="wxART_OTHER"/>
    </object>
    <object class="wxBitmapButton" name="6031">
      <pos>114,150d</pos><size>54,20d</size>
      <bitmap stock_id="logoDocs" stock_client="wxART_OTHER"/>
    </object>
    <object class="wxStaticBitmap" name="6034">
      <pos>168,159d</pos><size>15,8d</size>
      <bitmap stock_id="arrow-to-buttons" stock_client="wxART_OTHER"/>
    </object>
    <object class="wxStaticText" name="6033">
      <pos>182,160d</pos><size>80,6d</size><style>wxST_NO_AUTORESIZE</style>
      <font><size>7</size><family>swiss</family><face>Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>Klicken Sie hier</label>
    </object>
    <object class="wxButton" name="6012">
      <pos>215,8d</pos><size>30,11d</size>
      <font><size>8</size><family>swiss</family><face>MS Sans Serif,Arial,Liberation Sans,Nimbus Sans</face></font>
      <label>&amp;Ok</label>
    </object>
  </object>
</resource>
)xrc";

// The description is read through the toolkit's in-memory file system.
const char kMemoryFileName[] = "squinx-about-dialog.xrc";
const char kMemoryFileUrl[] = "memory:squinx-about-dialog.xrc";

// Serves the program's pictures to XRC under their resource names.
class ResourceArtProvider : public wxArtProvider {
protected:
    wxBitmapBundle CreateBitmapBundle(const wxArtID& id, const wxArtClient&, const wxSize& size) override
    {
        return GetBitmapResource(id, size);
    }
};

bool LoadOnce()
{
    wxXmlResource* resources = wxXmlResource::Get();
    resources->AddHandler(new wxDialogXmlHandler);
    resources->AddHandler(new wxStaticTextXmlHandler);
    resources->AddHandler(new wxGaugeXmlHandler);
    resources->AddHandler(new wxStaticBitmapXmlHandler);
    resources->AddHandler(new wxBitmapButtonXmlHandler);
    resources->AddHandler(new wxButtonXmlHandler);
    wxArtProvider::Push(new ResourceArtProvider);

    if (!wxFileSystem::HasHandlerForPath(kMemoryFileUrl))
        wxFileSystem::AddHandler(new wxMemoryFSHandler);
    wxMemoryFSHandler::AddFile(kMemoryFileName, kDescription, std::strlen(kDescription));
    return resources->Load(kMemoryFileUrl);
}

}  // namespace

bool LoadAboutDialogDescription()
{
    static const bool loaded = LoadOnce();
    return loaded;
}
