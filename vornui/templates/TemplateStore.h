#pragma once

// Paths inside the template store: one folder per module below the templates root.

#include <string>

// "<root>/<module>/<fileName>", formed afresh from the current root.
std::string TemplateStorePath(const char* module, const char* fileName);

// Copies `text` into a fixed field, cut to fit; false when it had to be cut.
bool CopyToField(char* field, int size, const char* text);
