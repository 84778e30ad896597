#pragma once

#include "frame/PatientFrame.h"

#include <gtest/gtest.h>
#include <wx/string.h>

#include <string>
#include <utility>
#include <vector>

// A fresh working folder per test, with the shipped language files unless a
// test asks for others; the program is started in it through PatientApp.
class FrameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies a shipped data file into the working folder.
    void CopyDataFile(const std::string& name, const std::string& as = "");
    void WriteFile(const std::string& name, const std::string& bytes);
    // A case whose only angle is eye 1's horizontal value at the far end.
    void WriteCase(const std::string& name, int eye1HorizontalFar, bool manifest = true);
    std::string PathOf(const std::string& name) const;

    // Starts the program; returns false when OnInit refused to start.
    bool StartProgram();
    // Closes the program, which writes its settings file, and starts it again.
    bool Restart();
    // Closes the program, which writes its settings file.
    void CloseProgram();
    // Lets pending events (layout, paint, idle) run.
    static void Yield();

    // Sends a menu or tool command as the toolkit would.
    void SendCommand(int id);

    PatientFrame* m_frame = nullptr;
    std::string m_folder;

private:
    wxString m_previousFolder;
    std::vector<std::pair<std::string, std::string>> m_savedEnvironment;
};
