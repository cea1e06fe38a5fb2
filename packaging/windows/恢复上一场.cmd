@echo off
rem Brings the board back as it stood after the last action of the previous run
rem (after a crash, a power cut or a closed window).
start "" "%~dp0scoreboard.exe" --resume
