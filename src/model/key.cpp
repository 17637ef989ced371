// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/key.h"

KeyStatus KeyStatusOfName(Key key, const CString& name)
{
    // The flat sign is a lower-case 'b': the name "B" holds no flat.
    const bool sharp = name.contains(QLatin1Char('#'), Qt::CaseSensitive);
    const bool flat = name.contains(QLatin1Char('b'), Qt::CaseSensitive);
    auto is = [&name](const char* text) { return name == QLatin1String(text); };

    bool outOfKey = false;
    switch (key) {
    case KeyC:
        outOfKey = sharp || flat;
        break;
    case KeyG:
        outOfKey = flat || is("F") || is("C#");
        break;
    case KeyD:
        outOfKey = flat || is("F") || is("C");
        break;
    case KeyF:
        outOfKey = sharp || is("Eb") || is("Ab") || is("B");
        break;
    case KeyBb:
        outOfKey = sharp || is("Ab") || is("B") || is("E");
        break;
    default:  // chromatic, or a value no key command produces
        outOfKey = false;
        break;
    }
    return outOfKey ? KeyStatusOutOfKey : KeyStatusInKey;
}

CString KeyName(Key key)
{
    switch (key) {
    case KeyC: return QStringLiteral("C");
    case KeyG: return QStringLiteral("G");
    case KeyD: return QStringLiteral("D");
    case KeyF: return QStringLiteral("F");
    case KeyBb: return QStringLiteral("Bb");
    default: return QStringLiteral("Chromatic");
    }
}
