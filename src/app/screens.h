#pragma once

class MainWindow;

// Connects each menu entry to the screen it opens.
void RegisterScreens(MainWindow& w);
