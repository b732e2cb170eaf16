#pragma once

// The data files of provenance/data, built into the program as their text.
extern const char k_camera_tables_tsv[];
extern const char k_camera_makers_tsv[];
extern const char k_photoshop_tables_tsv[];
extern const char k_program_names_tsv[];
extern const char k_maker_names_tsv[];
