#pragma once

// The registry and profile calls each page loader makes once its values
// exist, made directly: the same calls in the same order on the same keys,
// values and files, with none of the program's classes around them. They are
// what a page load is measured against.
namespace bare {

// A page's loader, from the tests' option table.
void Loader(int page);
// Reads the table, so that no loader's time includes it.
void Prepare();

// The platform calls made since the last reset.
int CallCount();
void ResetCallCount();

}  // namespace bare
