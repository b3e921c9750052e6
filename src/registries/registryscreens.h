#pragma once

class MainWindow;

// The menu entries of the registries of drug types, usage methods, diseases,
// suppliers, customers, doctors and employees.
void RegisterRegistryScreens(MainWindow& w);
