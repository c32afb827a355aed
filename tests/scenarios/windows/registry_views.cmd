@echo off
rem After the simulators' installers on 64-bit Windows: FS 2004 in the 32-bit
rem view only, FS 2002 in the 64-bit view only, at a complete FS 2002 folder.
set KEY=HKLM\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator
reg add "%KEY%\9.0" /v "EXE Path" /d "C:\FS9" /reg:32 /f >nul
if errorlevel 1 exit /b 1
reg add "%KEY%\8.0" /v "EXE Path" /d "C:\FS2002" /reg:64 /f >nul
if errorlevel 1 exit /b 1
reg delete "%KEY%\9.0" /reg:64 /f >nul 2>nul
reg delete "%KEY%\8.0" /reg:32 /f >nul 2>nul
if not exist C:\FS9\flights mkdir C:\FS9\flights
if not exist C:\FS2002\flights\myflts mkdir C:\FS2002\flights\myflts
type nul > C:\FS9\fs9.exe
type nul > C:\FS2002\fs2002.exe
if not exist C:\FS2002\fs2002.exe exit /b 1
exit /b 0
