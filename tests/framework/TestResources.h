#pragma once

// Resources linked into the framework tests.
#define IDD_FRAMEWORK_TEST 400
#define IDC_FRAMEWORK_TEST_EDIT 401
#define IDS_FRAMEWORK_TEST_TIP 402
