#pragma once

// While one lives, the store's platform calls keep every write in memory,
// and reads see those writes over what the machine holds: the pages' own
// code runs as it would, and nothing reaches the registry, a profile file or
// a file's attributes. One at a time.
class TDryRunStore {
public:
    TDryRunStore();
    ~TDryRunStore();
    TDryRunStore(const TDryRunStore&) = delete;
    TDryRunStore& operator=(const TDryRunStore&) = delete;
};
