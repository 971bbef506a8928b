#include "tempprogramfolder.h"

TempProgramFolder::TempProgramFolder()
    : m_dir(QDir::tempPath() + QStringLiteral("/promille-test-XXXXXX")) {}
