#include "questionpanel/panel_controls.h"

#include <cstring>

#include "judging/verdict.h"
#include "questionpanel/panel_ids.h"

namespace {

// Handles found by id, for the ids of the question blocks. A handle is only an answer while the control
// it names still has this parent and this id; any other answer is looked up again. The table is taken
// from the heap on first use (a static one would be stored whole in the program file).
constexpr int kFirstKeptId = 2000;
constexpr int kLastKeptId = 9999;
HWND* keptControls;
HWND panelBeingBuilt; // every control it has in the kept range is kept: a missing one is not there yet

// The table, taken on first use; null when the heap refuses it (then every lookup searches).
HWND* KeptControls() {
    if (!keptControls)
        keptControls = static_cast<HWND*>(
            HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(HWND) * (kLastKeptId - kFirstKeptId + 1)));
    return keptControls;
}

bool IsKeptAnswer(HWND kept, HWND panel, int id) {
    return kept && GetParent(kept) == panel && GetDlgCtrlID(kept) == id;
}

} // namespace

HWND FindPanelControl(HWND panel, int id) {
    if (!KeptControls() || id < kFirstKeptId || id > kLastKeptId) return GetDlgItem(panel, id);
    HWND& kept = keptControls[id - kFirstKeptId];
    if (IsKeptAnswer(kept, panel, id)) return kept;
    kept = panel == panelBeingBuilt ? nullptr : GetDlgItem(panel, id);
    return kept;
}

void KeepPanelControl(HWND panel, int id, HWND control) {
    if (!control || !KeptControls() || id < kFirstKeptId || id > kLastKeptId) return;
    HWND& kept = keptControls[id - kFirstKeptId];
    // A new child goes after its siblings, so an earlier control with this id stays the one found.
    if (!IsKeptAnswer(kept, panel, id)) kept = control;
}

void BeginPanelBuild(HWND panel) {
    panelBeingBuilt = KeptControls() ? panel : nullptr;
}

void EndPanelBuild() {
    panelBeingBuilt = nullptr;
}

void ShowPanelControl(HWND panel, int id, int showCommand) {
    if (HWND control = FindPanelControl(panel, id)) ShowWindow(control, showCommand);
}

void ReadControlText(HWND panel, int id, char* text, int limit) {
    text[0] = '\0';
    HWND control = FindPanelControl(panel, id);
    if (control) GetWindowTextA(control, text, limit);
}

bool VerdictLabelIsRight(HWND panel, int field) {
    char text[kTextSize];
    ReadControlText(panel, kVerdictLabelBase + field, text, kVerdictReadLimit);
    return std::strcmp(text, kVerdictRight) == 0;
}
