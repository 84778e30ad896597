#include "FrameFixture.h"

#include "app/PatientApp.h"
#include "model/CaseFile.h"

#include <wx/filefn.h>
#include <wx/utils.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// The variables that decide the language of a first start.
const char* const kLanguageVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
}  // namespace

void FrameFixture::SetUp()
{
    m_previousFolder = wxGetCwd();
    // Start-up must ignore SIGXFSZ itself; a test before must not have done it.
    std::signal(SIGXFSZ, SIG_DFL);
    // A first start follows the desktop's language; tests choose it themselves.
    for (const char* name : kLanguageVariables) {
        if (const char* value = std::getenv(name))
            m_savedEnvironment.emplace_back(name, value);
        ::unsetenv(name);
    }
    char pattern[] = "/tmp/squinx-gui-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    m_folder = pattern;
    wxSetWorkingDirectory(m_folder);
    // The iris texture is part of every installation; tests of its absence remove it.
    CopyDataFile("texturen.dat");
}

void FrameFixture::TearDown()
{
    CloseProgram();
    wxSetWorkingDirectory(m_previousFolder);
    for (const char* name : kLanguageVariables)
        ::unsetenv(name);
    for (const auto& [name, value] : m_savedEnvironment)
        ::setenv(name.c_str(), value.c_str(), 1);
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

void FrameFixture::CopyDataFile(const std::string& name, const std::string& as)
{
    fs::copy_file(fs::path(SQUINX_DATA_DIR) / name, fs::path(m_folder) / (as.empty() ? name : as),
                  fs::copy_options::overwrite_existing);
}

void FrameFixture::WriteFile(const std::string& name, const std::string& bytes)
{
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
}

void FrameFixture::WriteCase(const std::string& name, int eye1HorizontalFar, bool manifest)
{
    CaseData data;
    data.values.SetFar(Eye::one, EyeQuantity::horizontal, eye1HorizontalFar);
    data.manifestMode = manifest;
    const auto bytes = EncodeCase(data);
    WriteFile(name, std::string(bytes.begin(), bytes.end()));
}

std::string FrameFixture::PathOf(const std::string& name) const
{
    return (fs::path(m_folder) / name).string();
}

bool FrameFixture::StartProgram()
{
    const bool started = wxGetApp().OnInit();
    m_frame = PatientApp::MainWindow();
    if (started)
        Yield();
    return started;
}

bool FrameFixture::Restart()
{
    CloseProgram();
    return StartProgram();
}

void FrameFixture::CloseProgram()
{
    if (m_frame) {
        m_frame->Destroy();
        wxTheApp->ProcessIdle();
        Yield();
    }
    m_frame = nullptr;
}

void FrameFixture::Yield()
{
    for (int i = 0; i < 5; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxMilliSleep(5);
    }
}

void FrameFixture::SendCommand(int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(m_frame);
    m_frame->ProcessWindowEvent(event);
}
