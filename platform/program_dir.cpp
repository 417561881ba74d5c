#include "program_dir.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdlib>

namespace skelvora {

std::string ProgramDirectory()
{
    std::string dir;
    if (const char* home = std::getenv("SKELVORA_HOME"); home && *home)
        dir = home;
    else
        dir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

} // namespace skelvora
