// placeholder until the front end lands
