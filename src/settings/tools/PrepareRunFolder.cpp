// Fills a build's working folder from the data in the source tree by the
// rules an installed program keeps the user's folder with.
#include "settings/WorkingFolder.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <shipped data folder> <working folder>\n";
        return 2;
    }
    std::string error;
    if (!UpdateWorkingFolder(argv[1], argv[2], error)) {
        std::cerr << error << '\n';
        return 1;
    }
    return 0;
}
