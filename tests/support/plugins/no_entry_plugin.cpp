// A library that offers none of the plug-in entry points.
int quillory_test_unrelated = 0;
