#pragma once
// The standard skinners: every painter's registration with the engine's
// two registries, made once at program start (before the first skinned
// form is loaded). A second call adds nothing.
void RegisterStandardSkinners();
