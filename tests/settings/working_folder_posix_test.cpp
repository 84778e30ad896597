#include "settings/WorkingFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Sets or clears an environment variable for one test and puts it back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedVariable() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

}  // namespace

// The data folder the desktop names comes first, then the home's, else none.
TEST(UserWorkingFolder, FollowsXdgDataHomeThenHome)
{
    {
        ScopedVariable data("XDG_DATA_HOME", "/data");
        ScopedVariable home("HOME", "/home/trainee");
        EXPECT_EQ(UserWorkingFolder(), "/data/squinx");
    }
    {
        ScopedVariable data("XDG_DATA_HOME", "");
        ScopedVariable home("HOME", "/home/trainee");
        EXPECT_EQ(UserWorkingFolder(), "/home/trainee/.local/share/squinx");
    }
    {
        ScopedVariable data("XDG_DATA_HOME", nullptr);
        ScopedVariable home("HOME", "");
        EXPECT_EQ(UserWorkingFolder(), "");
    }
    ScopedVariable data("XDG_DATA_HOME", nullptr);
    ScopedVariable home("HOME", nullptr);
    EXPECT_EQ(UserWorkingFolder(), "");
}
