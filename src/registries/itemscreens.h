#pragma once
// The menu entries and printed documents of the items and product sets.

class MainWindow;

// "actItems" opens the item registry, "actSets" the product-set editor.
void RegisterItemScreens(MainWindow& w);
// "velinka print product-set --set SUIT_NO".
void RegisterItemPrintables();
