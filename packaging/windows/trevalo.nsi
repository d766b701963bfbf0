; The Windows installer, made by scripts/windows.sh with Debian's makensis:
;   makensis -DVERSION=0.9 -DSTAGE=<the deployed program> -DOUTFILE=<setup.exe> -DICON=<trevalo.ico> trevalo.nsi
; Installs the program with Qt's DLLs and plugins and MinGW's runtime for the
; current user or, run as an administrator, for everyone; a Start menu entry;
; ".cus" files (programs and workout records) opening in the tool; an
; uninstaller that takes all of it away again, the user's settings and
; history excepted.
Unicode true
; A 64-bit installer for a 64-bit program: it runs wherever the program does,
; Wine without its 32-bit half included.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define APP "TREVALO USB AP"
!define PROG_ID "Trevalo.CusFile"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\trevalo"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\trevalo"
InstallDirRegKey HKCU "Software\trevalo\Install" "Folder"
Icon "${ICON}"
UninstallIcon "${ICON}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Install"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    File "/oname=trevalo.ico" "${ICON}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${APP}"
    CreateShortcut "$SMPROGRAMS\${APP}\${APP}.lnk" "$INSTDIR\trevalo.exe" "" "$INSTDIR\trevalo.ico"
    CreateShortcut "$SMPROGRAMS\${APP}\Uninstall ${APP}.lnk" "$INSTDIR\uninstall.exe"

    ; ".cus": the treadmill's program files and workout records alike; the
    ; tool tells them apart by their bytes.
    WriteRegStr HKCU "Software\Classes\.cus" "" "${PROG_ID}"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}" "" "Treadmill program or workout record"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\trevalo.ico"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\trevalo.exe" "%1"'

    WriteRegStr HKCU "Software\trevalo\Install" "Folder" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Trevalo"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\trevalo.ico"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ; Explorer shows the new file type without a new login.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\${APP}\${APP}.lnk"
    Delete "$SMPROGRAMS\${APP}\Uninstall ${APP}.lnk"
    RMDir "$SMPROGRAMS\${APP}"
    ; Only a type that still names this tool: another program may have taken it.
    ReadRegStr $0 HKCU "Software\Classes\.cus" ""
    StrCmp $0 "${PROG_ID}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.cus"
    DeleteRegKey HKCU "Software\Classes\${PROG_ID}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\trevalo\Install"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\sqldrivers"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\imageformats"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\trevalo.exe"
    Delete "$INSTDIR\trevalo.ico"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
