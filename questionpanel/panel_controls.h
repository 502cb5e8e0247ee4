// The question panel's control registry: its controls found by id (their handles kept once found),
// shown or hidden, and their texts read, for the panel itself, the judge, the score line and the save.
#pragma once

#include <windows.h>

#include "judging/field_judging.h" // the document's counts as the panel holds them
#include "questionpanel/panel_ids.h"
#include "quizdata/quiz_document.h"

// Verdict labels are read back with a limit of 255 bytes, answer fields with the full 260.
constexpr int kVerdictReadLimit = 255;

// Control `id` of `panel`, as GetDlgItem finds it (the first child with that id), or null. Under Wine each
// GetDlgItem fetches the panel's whole child list from the server, hundreds of microseconds among a
// quiz's 640 controls: a block control's handle, once found, is kept and checked on each use instead.
HWND FindPanelControl(HWND panel, int id);

// Records `control`, just created as control `id` of `panel`, so that its first lookup needs no search
// either (a quiz's build looks up most of its controls once).
void KeepPanelControl(HWND panel, int id, HWND control);

// Between these two calls `panel` is being built and keeps every block control it creates, so a block
// id with no kept control is one not created yet: FindPanelControl answers null for it without a search
// (the judging of a restored first answer asks for its second field, which comes next).
void BeginPanelBuild(HWND panel);
void EndPanelBuild();

// Shows or hides control `id` of `panel` (`showCommand` as ShowWindow takes it); a missing one is skipped.
void ShowPanelControl(HWND panel, int id, int showCommand);

// The text of control `id` of `panel` (at most limit - 1 bytes); empty when there is no such control.
void ReadControlText(HWND panel, int id, char* text, int limit);

// Whether verdict label 5000 + field reads "BRAVO"; a missing label does not.
bool VerdictLabelIsRight(HWND panel, int field);
