// The text file reader comes with the external wheel work.
