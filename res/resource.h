#pragma once
// Resource identifiers of Pivel.exe.
#define IDI_PIVEL 1
#define IDI_LOGO 2
#define IDI_BARS 3
#define IDI_MENU_CONFIG 10
#define IDI_MENU_ATALHOS 11
#define IDI_MENU_INCLUIR 12
#define IDI_MENU_SOBRE 13
#define IDI_MENU_FINALIZAR 15
#define IDI_WEB 20
#define IDI_CROSS 21
#define IDR_AVISO 30
