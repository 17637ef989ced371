#include "sound/midi_output_system.h"

#include "sound/system_midi_output.h"

namespace {
CMidiOutputSystem* g_installed = nullptr;
}

CMidiOutputSystem& AfxGetMidiOutputSystem()
{
    if (g_installed)
        return *g_installed;
    // Never destroyed: the document may close its output during exit,
    // after function statics are gone.
    static CSystemMidiOutput* const real = new CSystemMidiOutput;
    return *real;
}

void AfxSetMidiOutputSystem(CMidiOutputSystem* system)
{
    g_installed = system;
}
