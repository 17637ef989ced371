// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/types.h"

// The key practice is restricted to; stored in the document and, with
// these numbers, in melody files. A number that is no key acts as chromatic.
enum Key : int { KeyC = 1, KeyG = 2, KeyD = 3, KeyF = 4, KeyBb = 5, KeyChromatic = 6 };

// Whether a fingerboard stop's note belongs to the current key.
enum KeyStatus : int { KeyStatusInKey = 2, KeyStatusOutOfKey = 3 };

// Key status of a fixed note name (see NoteNameOfPitch) under a key.
// Unknown key values behave as chromatic: everything is in the key.
KeyStatus KeyStatusOfName(Key key, const CString& name);

// The key's name as shown in the staff header.
CString KeyName(Key key);
