#pragma once

class DesktopWindows;
class Drives;
class Events;
class Files;
class HelpViewer;
class MediaControl;
class Messages;
class ModalWindows;
class Processes;
class Screen;

// Everything the program asks of the outside world. The real set is built once in
// app/, a scripted set in tests; it is passed down, never reached globally.
struct Platform {
    Messages& messages;
    ModalWindows& modalWindows;
    Events& events;
    Screen& screen;
    Processes& processes;
    Files& files;
    Drives& drives;
    MediaControl& mediaControl;
    DesktopWindows& desktopWindows;
    HelpViewer& helpViewer;
};
