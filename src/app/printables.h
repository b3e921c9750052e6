#pragma once

// Registers every printed document of the program with the headless
// print command ("velinka print --list" names them).
void RegisterPrintableDocuments();
