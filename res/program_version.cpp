#include "res/program_version.h"

const char* ProgramVersion()
{
    return VOLDRIM_VERSION;
}
