// Holds the compiled-in resources; consumers link veltra_resources.
int veltra_resources_anchor = 0;
