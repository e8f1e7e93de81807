#pragma once
// Resource identifiers of Pivel.exe.
#define IDI_PIVEL 1
