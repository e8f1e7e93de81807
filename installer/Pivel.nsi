; Pivel's installer. Without options it installs for the user who runs it, with no administrator, into
; %LOCALAPPDATA%\Programs\Pivel; with /AllUsers, from an administrator, for every user of the machine,
; into Program Files. /S installs without a window (and so does the uninstaller); /D=FOLDER, last on
; the command line, chooses another folder.
;   makensis -INPUTCHARSET UTF8 -DVERSAO=2.0.3 -DPASTA=FILES -DSAIDA=OUTPUT.exe Pivel.nsi
; FILES is laid out by scripts/release-files.sh.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh

!define NOME "Pivel"
!define EDITOR "Nq"
!define CHAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pivel"
!define CHAVE_RUN "Software\Microsoft\Windows\CurrentVersion\Run"
!define VALOR_RUN "NqPivel"
!define CLASSE_BARRA "TfrmMainPivel"
!define MARCA_TODOS "TodosOsUsuarios.txt"
!define CONFIG "PivelConfig.ini"
!define DESINSTALAR "Desinstalar.exe"
; Exit codes an administrator's script can tell apart.
!define SAIDA_VERSAO_MAIS_NOVA 1638  ; another version of the product is installed (as msiexec says it)
!define SAIDA_PEDE_ADMINISTRADOR 740 ; elevation required
!define SAIDA_BARRA_ABERTA 1618      ; the running bar did not end

Name "${NOME}"
OutFile "${SAIDA}"
InstallDir "$LOCALAPPDATA\Programs\${NOME}"
BrandingText "${NOME} ${VERSAO}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Var TodosUsuarios  ; 1 when installing or removing for all users
Var BarraAberta    ; 1 when a running bar was ended to replace the program
Var Configuracoes  ; the settings file an uninstall kept, if any

!define MUI_ICON "${PASTA}\Pivel.ico"
!define MUI_UNICON "${PASTA}\Pivel.ico"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Este assistente instala o ${NOME} ${VERSAO}, a barra de atalhos na borda da tela.$\r$\n$\r$\nSe o ${NOME} estiver aberto, ele será fechado (os seus atalhos são salvos) e aberto de novo no final.$\r$\n$\r$\nClique em Próximo para continuar."
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE PularPastaNaAtualizacao
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Iniciar o ${NOME} agora"
!define MUI_FINISHPAGE_RUN_FUNCTION IniciarBarra
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "${NOME} removido"
!define MUI_FINISHPAGE_TEXT "$Configuracoes"
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "PortugueseBR"

VIProductVersion "${VERSAO}.0"
VIFileVersion "${VERSAO}.0"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "ProductName" "${NOME}"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "CompanyName" "${EDITOR}"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "FileDescription" "Instalador do ${NOME}"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "FileVersion" "${VERSAO}.0"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "ProductVersion" "${VERSAO}.0"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "LegalCopyright" "Copyright (c) 2026 ${EDITOR}, licença MIT"

; Ends every running bar in order, as a log-off does: WM_CLOSE to its window, which saves and ends the
; process, and a wait for the process. Never killed: a bar that does not end (a dialog of it left open)
; is the user's to close, and the caller gives up. $BarraAberta is 1 when one ran; $0 is 0 when none is
; left.
!macro ENCERRAR_BARRA PREFIXO
Function ${PREFIXO}EncerrarBarra
    StrCpy $BarraAberta 0
    procurar:
    FindWindow $1 "${CLASSE_BARRA}"
    ${If} $1 == 0
        StrCpy $0 0
        Return
    ${EndIf}
    StrCpy $BarraAberta 1
    System::Call "user32::GetWindowThreadProcessId(p r1, *i .r2)"
    System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r2) p .r3"  ; SYNCHRONIZE
    System::Call "user32::PostMessageW(p r1, i ${WM_CLOSE}, p 0, p 0)"
    System::Call "kernel32::WaitForSingleObject(p r3, i 30000) i .r4"
    System::Call "kernel32::CloseHandle(p r3)"
    ${If} $4 == 0
        Goto procurar
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "O ${NOME} ainda está aberto, talvez com uma janela esperando uma resposta.$\r$\n$\r$\nFeche o ${NOME} (menu da barra, Finalizar) e clique em Repetir." /SD IDCANCEL IDRETRY procurar
    StrCpy $0 1
FunctionEnd
!macroend
!insertmacro ENCERRAR_BARRA ""
!insertmacro ENCERRAR_BARRA "un."

Function IniciarBarra
    SetOutPath "$INSTDIR"
    Exec '"$INSTDIR\Pivel.exe"'
FunctionEnd

; Whether the account may install for all users: an administrator whose rights are in force (under UAC, a
; program started "as administrator").
!macro EXIGIR_ADMINISTRADOR
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
        MessageBox MB_OK|MB_ICONSTOP "Para instalar ou remover o ${NOME} para todos os usuários, execute este programa como administrador." /SD IDOK
        SetErrorLevel ${SAIDA_PEDE_ADMINISTRADOR}
        Quit
    ${EndIf}
!macroend

Function .onInit
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        !insertmacro EXIGIR_ADMINISTRADOR
        StrCpy $TodosUsuarios 1
        ${If} $INSTDIR == "$LOCALAPPDATA\Programs\${NOME}"
            StrCpy $INSTDIR "$PROGRAMFILES64\${NOME}"
        ${EndIf}
        SetShellVarContext all
    ${Else}
        StrCpy $TodosUsuarios 0
        SetShellVarContext current
    ${EndIf}

    ; An installed version: upgraded in its folder, never replaced by an older one.
    ReadRegStr $R2 SHCTX "${CHAVE}" "DisplayVersion"
    ${If} $R2 != ""
        ${VersionCompare} "$R2" "${VERSAO}" $R3
        ${If} $R3 == 1
            MessageBox MB_OK|MB_ICONSTOP "Uma versão mais nova do ${NOME} ($R2) já está instalada neste computador; este instalador é da versão ${VERSAO}.$\r$\n$\r$\nPara voltar à versão ${VERSAO}, desinstale antes o ${NOME} (os seus atalhos e configurações são mantidos) e execute este instalador de novo." /SD IDOK
            SetErrorLevel ${SAIDA_VERSAO_MAIS_NOVA}
            Quit
        ${EndIf}
        ReadRegStr $R4 SHCTX "${CHAVE}" "InstallLocation"
        ${If} $R4 != ""
            StrCpy $INSTDIR $R4
        ${EndIf}
    ${EndIf}
FunctionEnd

; An upgrade keeps its folder: the page that chooses one is not shown.
Function PularPastaNaAtualizacao
    ReadRegStr $1 SHCTX "${CHAVE}" "InstallLocation"
    ${If} $1 != ""
        Abort
    ${EndIf}
FunctionEnd

Section "Pivel"
    Call EncerrarBarra
    ${If} $0 != 0
        SetErrorLevel ${SAIDA_BARRA_ABERTA}
        Abort "O ${NOME} continua aberto; nada foi alterado."
    ${EndIf}

    SetOutPath "$INSTDIR"
    SetOverwrite on
    ClearErrors
    File "${PASTA}\Pivel.exe"
    File "${PASTA}\LEIAME.txt"
    File "${PASTA}\LICENSE.txt"
    ${If} $TodosUsuarios == 1
        File "${PASTA}\${MARCA_TODOS}"
    ${Else}
        Delete "$INSTDIR\${MARCA_TODOS}"
    ${EndIf}
    WriteUninstaller "$INSTDIR\${DESINSTALAR}"
    ${If} ${Errors}
        Abort "Não foi possível gravar em $INSTDIR."
    ${EndIf}

    CreateShortcut "$SMPROGRAMS\${NOME}.lnk" "$INSTDIR\Pivel.exe" "" "$INSTDIR\Pivel.exe" 0 SW_SHOWNORMAL "" "Seus atalhos sempre à mão, na borda da tela."

    WriteRegStr SHCTX "${CHAVE}" "DisplayName" "${NOME}"
    WriteRegStr SHCTX "${CHAVE}" "DisplayVersion" "${VERSAO}"
    WriteRegStr SHCTX "${CHAVE}" "Publisher" "${EDITOR}"
    WriteRegStr SHCTX "${CHAVE}" "DisplayIcon" "$INSTDIR\Pivel.exe,0"
    WriteRegStr SHCTX "${CHAVE}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${CHAVE}" "UninstallString" '"$INSTDIR\${DESINSTALAR}"'
    WriteRegStr SHCTX "${CHAVE}" "QuietUninstallString" '"$INSTDIR\${DESINSTALAR}" /S'
    WriteRegDWORD SHCTX "${CHAVE}" "NoModify" 1
    WriteRegDWORD SHCTX "${CHAVE}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    WriteRegDWORD SHCTX "${CHAVE}" "EstimatedSize" $1

    ; A bar that was running comes back; after an install with its window, the last page offers it.
    ${If} ${Silent}
    ${AndIf} $BarraAberta == 1
        Call IniciarBarra
    ${EndIf}
SectionEnd

Function un.onInit
    ; Installed for all users when the machine's entry names this folder.
    ReadRegStr $1 HKLM "${CHAVE}" "InstallLocation"
    ${If} $1 == $INSTDIR
        !insertmacro EXIGIR_ADMINISTRADOR
        StrCpy $TodosUsuarios 1
        SetShellVarContext all
    ${Else}
        StrCpy $TodosUsuarios 0
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    Call un.EncerrarBarra
    ${If} $0 != 0
        SetErrorLevel ${SAIDA_BARRA_ABERTA}
        Abort "O ${NOME} continua aberto; nada foi removido."
    ${EndIf}

    Delete "$INSTDIR\Pivel.exe"
    Delete "$INSTDIR\LEIAME.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\${MARCA_TODOS}"
    Delete "$INSTDIR\${DESINSTALAR}"
    RMDir "$INSTDIR"  ; only when empty: the settings file, if the bar kept it here, stays
    Delete "$SMPROGRAMS\${NOME}.lnk"
    DeleteRegKey SHCTX "${CHAVE}"

    ; The log-on start the bar registers at each start, when it names this copy (a portable copy's
    ; is left alone).
    ReadRegStr $1 HKCU "${CHAVE_RUN}" "${VALOR_RUN}"
    ClearErrors
    ${un.WordFind} "$1" "$INSTDIR\Pivel.exe" "E+1{" $2
    ${IfNot} ${Errors}
        DeleteRegValue HKCU "${CHAVE_RUN}" "${VALOR_RUN}"
    ${EndIf}

    ; Where the user's shortcuts stay: beside the program, or in the application data.
    SetShellVarContext current
    StrCpy $Configuracoes "O ${NOME} foi removido deste computador."
    ${If} ${FileExists} "$INSTDIR\${CONFIG}"
        StrCpy $1 "$INSTDIR\${CONFIG}"
    ${ElseIf} ${FileExists} "$APPDATA\${NOME}\${CONFIG}"
        StrCpy $1 "$APPDATA\${NOME}\${CONFIG}"
    ${Else}
        StrCpy $1 ""
    ${EndIf}
    ${If} $1 != ""
        StrCpy $Configuracoes "$Configuracoes$\r$\n$\r$\nOs seus atalhos e configurações foram mantidos no arquivo:$\r$\n$1$\r$\n$\r$\nSe instalar o ${NOME} de novo, ele os encontrará. Se não quiser mais guardá-los, apague esse arquivo."
        DetailPrint "Configurações mantidas em $1"
    ${EndIf}
SectionEnd
