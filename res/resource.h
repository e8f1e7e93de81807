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
#define IDI_MSG_ERRO 40
#define IDI_MSG_CONF 41
#define IDI_BTN_OK 42
#define IDI_BTN_NAO 43
#define IDI_BTN_SALVAR 44
#define IDI_BTN_CANCELAR 45
#define IDI_BTN_PASTA 46
#define IDI_ENTRADA 47
#define IDI_PASTA 48
#define IDI_PASTA_ABERTA 49
#define IDI_UNIDADE 50
#define IDI_BTN_LUPA 51
#define IDI_BTN_PASTA_AZUL 52
#define IDI_NEUTRO 53
