const cache = "{{cache}}";
const files = {{files}};
