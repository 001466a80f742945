// The file dialog of the read and save commands: the same filter, title and default
// extension for both, a file that must exist for reading and a question before replacing.
#pragma once

class QFileDialog;

namespace tessaly::shell {

enum class DataFileDialogMode { kOpen, kSave };

// Sets up a fresh dialog; its file name starts empty, so it never proposes the last one.
void configure_data_file_dialog(QFileDialog& dialog, DataFileDialogMode mode);

}  // namespace tessaly::shell
