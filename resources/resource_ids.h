// Ids of the player's own resources; read by jorvo.rc and by the code that loads them.
#pragma once

#define IDD_QUESTION_PANEL 1001
#define IDD_HEADER_PANEL 1002
#define IDC_LINK_HAND 1003
#define IDI_PLAY 1004
#define IDI_STOP 1005
#define IDI_JORVO 1
