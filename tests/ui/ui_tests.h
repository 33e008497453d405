#pragma once

// Each widget's tests run from one executable; main runs them in turn under
// the one QApplication that Qt allows.
int runDriveListTests(int argc, char** argv);
int runFolderListTests(int argc, char** argv);
int runFileListTests(int argc, char** argv);
int runMessageBoxTests(int argc, char** argv);
int runSettingsStoreTests(int argc, char** argv);
