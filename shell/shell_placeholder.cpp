// The window's model is built in this folder.
namespace dorx {}
