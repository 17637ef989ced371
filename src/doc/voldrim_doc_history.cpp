// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Undo, and whether the melody has changed since it was last opened or
// saved, so that nothing is thrown away without a question or a way back.
#include "doc/voldrim_doc.h"

namespace {
// Undo keeps this many steps; the oldest goes first.
constexpr std::size_t kUndoSteps = 100;
} // namespace

bool CVoldrimDoc::MelodyState::operator==(const MelodyState& other) const
{
    return key == other.key && title == other.title && composer == other.composer && notes == other.notes;
}

CVoldrimDoc::MelodyState CVoldrimDoc::CurrentMelodyState() const
{
    MelodyState state;
    state.key = m_nKey;
    state.title = m_strMelodyTitle;
    state.composer = m_strMelodyComposer;
    state.notes.reserve(m_melody.size());
    for (const auto& record : m_melody)
        state.notes.emplace_back(record->GetValue(), record->GetPitch());
    return state;
}

CVoldrimDoc::CMelodyChange::CMelodyChange(CVoldrimDoc& doc) : m_doc(doc)
{
    if (m_doc.m_nChangeDepth++ > 0)
        return;
    // The notes a question writes are the quiz's, not the student's melody.
    m_doc.m_bChangeKept = !m_doc.IsQuestionRunning();
    if (m_doc.m_bChangeKept)
        m_doc.m_stateBeforeChange = m_doc.CurrentMelodyState();
}

CVoldrimDoc::CMelodyChange::~CMelodyChange()
{
    if (--m_doc.m_nChangeDepth > 0 || !m_doc.m_bChangeKept)
        return;
    if (m_doc.CurrentMelodyState() == m_doc.m_stateBeforeChange)
        return;
    std::vector<MelodyState>& states = m_doc.m_undoStates;
    if (states.size() == kUndoSteps)
        states.erase(states.begin());
    states.push_back(std::move(m_doc.m_stateBeforeChange));
}

void CVoldrimDoc::Undo()
{
    if (m_bPlaying || m_undoStates.empty())
        return;
    MelodyState state = std::move(m_undoStates.back());
    m_undoStates.pop_back();
    EndQuestionAndPlayback();

    CObjectList<CNoteSeries> melody;
    melody.reserve(state.notes.size());
    for (const auto& [value, pitch] : state.notes)
        melody.push_back(std::make_unique<CNoteSeries>(value, pitch));
    TakeMelody(state.key, state.title, state.composer, std::move(melody));
}

bool CVoldrimDoc::IsModified() const
{
    return m_nTempo != m_nSavedTempo || CurrentMelodyState() != m_savedState;
}

void CVoldrimDoc::SetModifiedFlag(bool modified)
{
    CDocument::SetModifiedFlag(modified);
    if (!modified) {
        m_savedState = CurrentMelodyState();
        m_nSavedTempo = m_nTempo;
    }
}

BOOL CVoldrimDoc::OnOpenDocument(const CString& path)
{
    if (!CDocument::OnOpenDocument(path))
        return FALSE;
    // Another melody: the steps of the one before would rewrite it.
    m_undoStates.clear();
    return TRUE;
}

void CVoldrimDoc::ReplaceMelody(Key key, int tempo, const CString& title, const CString& composer,
                                CObjectList<CNoteSeries> melody)
{
    DeleteContents();
    m_nTempo = tempo;
    TakeMelody(key, title, composer, std::move(melody));
    // Save must not write it over the melody file it replaces.
    SetPathName(CString());
    m_undoStates.clear();
}
