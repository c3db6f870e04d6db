#pragma once
class CVeltraApp { public: static int Run(int, char**) { return 0; } };
