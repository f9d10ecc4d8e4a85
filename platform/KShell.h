#pragma once

#include <string>

// A modal message box with one OK button. Headless runs only log the message.
void showMessage(const std::string& title, const std::string& text);
// Opens the address in the desktop's browser from a short-lived thread of its own; returns after
// a short wait without waiting for the browser.
void openWebPage(const std::string& address, bool maximized = false);
